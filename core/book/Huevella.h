#pragma once

#include "core/colour/TColor.h"

#include <string>

// One card of the book: three colours, the background of each colour's
// caption, the three captions (colour codes, empty for an empty slot) and a
// title.
class Huevella {
public:
    TColor getColor1() const { return color1; }
    void setColor1(TColor v) { color1 = v; }
    TColor getColor2() const { return color2; }
    void setColor2(TColor v) { color2 = v; }
    TColor getColor3() const { return color3; }
    void setColor3(TColor v) { color3 = v; }

    TColor getCaptionColor1() const { return captionColor1; }
    void setCaptionColor1(TColor v) { captionColor1 = v; }
    TColor getCaptionColor2() const { return captionColor2; }
    void setCaptionColor2(TColor v) { captionColor2 = v; }
    TColor getCaptionColor3() const { return captionColor3; }
    void setCaptionColor3(TColor v) { captionColor3 = v; }

    std::string getCaption1() const { return caption1; }
    void setCaption1(const std::string& v) { caption1 = v; }
    std::string getCaption2() const { return caption2; }
    void setCaption2(const std::string& v) { caption2 = v; }
    std::string getCaption3() const { return caption3; }
    void setCaption3(const std::string& v) { caption3 = v; }

    std::string getTitle() const { return title; }
    void setTitle(const std::string& v) { title = v; }

    bool operator==(const Huevella&) const = default;

private:
    TColor color1 = 0;
    TColor color2 = 0;
    TColor color3 = 0;
    TColor captionColor1 = 0;
    TColor captionColor2 = 0;
    TColor captionColor3 = 0;
    std::string caption1;
    std::string caption2;
    std::string caption3;
    std::string title;
};
