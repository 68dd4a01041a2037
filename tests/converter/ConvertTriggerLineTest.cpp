#include "converter/Conversion.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(ConvertTriggerLine, RewritesEveryEntryExactlyAsTheRulesRead)
{
    struct TCase {
        const char* Name;
        Text Entry, Expected;
    };
    const TCase cases[] = {
        {"typical entry; the tail after the Random value is dropped",
         "E=(P=1,SoundFilename=a.wav,Q=0,R=2,Random=1,S=3)",
         "E=(P=1,DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,Random=1)"},
        {"Random is the last field",
         "E=(SoundFilename=a.wav,Q=0,R=2,Random=1)",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,Random=1)"},
        {"Random directly after the HideInMenu field",
         "E=(SoundFilename=a.wav,Q=0,Random=1)",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,Random=1)"},
        {"marker at position 1 (empty head)",
         "SoundFilename=a.wav,Q=0,Random=1)",
         "DedicatedOnly=True,Filename=a.wav,HideInMenu=0,Random=1)"},
        {"text after the closing parenthesis is dropped",
         "E=(SoundFilename=a.wav,Q=0,R=2,Random=1) ;x",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,Random=1)"},
        {"a comma after the closing parenthesis ends the Random value there",
         "E=(SoundFilename=a.wav,Q=0,R=2,Random=1),",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,Random=1))"},
        {"nothing after the Random value: it is lost",
         "E=(SoundFilename=a.wav,Q=0,R=2,Random=1",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,Random=)"},
        {"empty Random value",
         "E=(SoundFilename=a.wav,Q=0,R=2,Random=)",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,Random=)"},
        {"no Random field, short remainder",
         "E=(SoundFilename=a.wav,Q=0,R=2)",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2))"},
        {"no Random field, longer remainder",
         "E=(SoundFilename=a.wav,Q=0,R=2,S=3,T=4)",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=0,R=2,S=3)"},
        {"file name holding a comma",
         "E=(SoundFilename=a,b.wav,Q=0,Random=1)",
         "E=(DedicatedOnly=True,Filename=a,HideInMenu=0,Random=1)"},
        {"field after the file name without \"=\"",
         "E=(SoundFilename=a.wav,Q,R=2,Random=1)",
         "E=(DedicatedOnly=True,Filename=a.wav,HideInMenu=2,Random=1)"},
        {"no comma after the file name",
         "E=(SoundFilename=a.wav)",
         "E=(DedicatedOnly=True,Filename=HideInMenu=a.wav))"},
        {"no \"SoundFilename=\": the first 13 characters are dropped",
         "E=(P=1,Q=0,R=2,Random=1,S=3)",
         "DedicatedOnly=True,Filename=2,HideInMenu=1,S=3))"},
        {"the marker in other letter case counts as absent",
         "E=(soundfilename=a.wav,Q=0,Random=1)",
         "DedicatedOnly=True,Filename=ame=a.wav,HideInMenu=0,Random=1)"},
        {"entry of 13 characters or fewer without the marker",
         ";note",
         "DedicatedOnly=True,Filename=HideInMenu=)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertTriggerLine(c.Entry, "DedicatedOnly=True,"), c.Expected) << c.Name;
}

TEST(ConvertTriggerLine, InsertsTheDedicatedFieldItIsGiven)
{
    EXPECT_EQ(ConvertTriggerLine("E=(P=1,SoundFilename=a.wav,Q=0,R=2,Random=1,S=3)", "DedicatedOnly=False,"),
              "E=(P=1,DedicatedOnly=False,Filename=a.wav,HideInMenu=0,R=2,Random=1)");
    // Every byte of the entry reaches the result unchanged, NUL and high bytes included.
    EXPECT_EQ(ConvertTriggerLine("E=(SoundFilename=a\xE9\x00.wav,Q=\xFF,Random=1)"s, "DedicatedOnly=,"),
              "E=(DedicatedOnly=,Filename=a\xE9\x00.wav,HideInMenu=\xFF,Random=1)"s);
}
