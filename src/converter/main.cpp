// morvo54-converter: the converter's window. It takes no command line.
#include "converter/MConMain.h"
#include "core/Exception.h"
#include "vcl/TApplication.h"

int main()
{
    try {
        Application->Initialize();
        Application->CreateForm(frmMain);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
    }
    Application->Finalize();
    return 0;
}
