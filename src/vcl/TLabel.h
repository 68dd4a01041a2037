#pragma once
// A text on a form, drawn as DrawTextA draws it: "&" marks an accelerator letter ("&&" shows
// "&"), CR LF, CR and LF end lines.

#include "vcl/TGraphicControl.h"

#include <string>
#include <string_view>

class TLabel : public TGraphicControl {
public:
    // A new label is 65 x 17, sizes itself to its caption, and paints its background.
    explicit TLabel(TComponent* AOwner);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string_view value);

    // Wraps the caption between words to the label's width.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // While true the label fits its size to the caption: its height to the wrapped lines when
    // WordWrap is on, else its width and height to the lines (a right-aligned label keeps its
    // right edge). An empty caption keeps the height of one line.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // A transparent label leaves its background to the controls behind it; another one fills it
    // with its Color.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void Paint() override;

protected:
    void FontChanged() override;

private:
    UINT TextFormat() const;
    void AdjustBounds();

    std::string FCaption;
    bool FWordWrap = false;
    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    bool FTransparent = false;
};
