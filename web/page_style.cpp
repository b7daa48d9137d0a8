#include "web/page_style.h"

#include <cstdio>

#include "form/control_layout.h"
#include "form/form_layout.h"
#include "web/list_geometry.h"

namespace {

std::string Colour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
    return text;
}

std::string PxText(int twips) {
    return std::to_string(Px(twips)) + "px";
}

}  // namespace

std::string PageStyle() {
    const std::string formWidth = PxText(kFormLayout.clientWidthTwips);
    const std::string formHeight = PxText(kFormLayout.clientHeightTwips);
    std::string css;
    css += "html,body{margin:0;height:100%;overflow:hidden;background:" +
           Colour(kFormLayout.background) + "}";
    // Centred in the page; on a viewport narrower or shorter than the form the page's first
    // script scales the whole form down to fit (FitFormScript).
    css += "body{display:flex;align-items:center;justify-content:center}";
    css += "#MainForm{position:relative;flex:none;width:" + formWidth + ";height:" + formHeight +
           ";background:" + Colour(kFormLayout.background) +
           ";font:" + std::to_string(kFormLayout.fontPointSize * 4 / 3) +
           "px \"Times New Roman\",\"Liberation Serif\",serif;color:#000}";
    css += "#MainForm>*{position:absolute;box-sizing:border-box;margin:0;font:inherit}";
    // Labels: the caption centred on its colour, its letters rather than its line: a line's
    // height holds blank room above the capitals, so the line is centred a little higher.
    css +=
        ".label{display:flex;align-items:center;justify-content:center;white-space:nowrap;"
        "overflow:hidden;padding-bottom:4px}";
    // Lists and text boxes: white in the classic sunken frame, in the shades of Qt's default
    // palette that the desktop draws it in: its outer line the border, its inner line a shadow
    // over the padding, so rows scrolled to a whole row never cover it. A vertical scroll bar
    // where needed.
    static_assert(kListFramePx == 2, "the frame is a border and a padding of one pixel each");
    css +=
        ".list,.input,.explanation{background:#fff;border:1px solid;border-color:#9f9f9f #fff "
        "#fff #9f9f9f;box-shadow:inset 1px 1px #767676,inset -1px -1px #efefef;padding:1px;"
        "outline:none}";
    css +=
        ".list{overflow-x:hidden;overflow-y:auto;cursor:default;user-select:none;"
        "-webkit-user-select:none;touch-action:pan-y}";
    // The cell's text a pixel higher in its row than a line of that height would put it, as
    // the desktop's list draws it.
    css += ".list>div{height:" + std::to_string(kRowHeightPx) +
           "px;line-height:" + std::to_string(kRowHeightPx - 2) +
           "px;padding-left:2px;white-space:nowrap}";
    // The selected row in the highlight of Qt's default palette, as the desktop shows it.
    css += ".list>[aria-selected=true]{background:#308cc6;color:#fff}";
    // In a forced high-contrast scheme (Windows) the browser drops backgrounds; the selected row
    // then takes the scheme's own highlight, or it would not show at all.
    css +=
        "@media (forced-colors:active){.list>[aria-selected=true]{forced-color-adjust:none;"
        "background:Highlight;color:HighlightText}}";
    // The focus frame is where the keyboard acts: the selected row, else the first row, or in
    // an empty list where its first row would be.
    css += ".list:focus>[aria-selected=true]{outline:1px dotted #fff;outline-offset:-1px}";
    css +=
        ".list:focus:not(:has([aria-selected=true]))>[role=option]:first-of-type,"
        ".list:focus:not(:has([role=option]))::before{outline:1px dotted #000;"
        "outline-offset:-1px}";
    css += ".list:not(:has([role=option]))::before{content:\"\";display:block;height:" +
           std::to_string(kRowHeightPx) + "px}";
    css += ".input{padding:1px 3px}";
    css +=
        "#MainForm>.explanation{padding:4px 5px 2px;line-height:19px;resize:none;"
        "overflow-x:hidden;overflow-y:scroll;white-space:pre-wrap}";
    // Buttons: the face filled with the button's colour in the classic raised bevel, pressed in
    // while held down, with a dotted frame inside while focused.
    css +=
        ".button{border:1px solid;border-color:#fff #767676 #767676 #fff;box-shadow:inset -1px "
        "-1px #9f9f9f,inset 1px 1px #efefef;padding:0;color:#000;touch-action:manipulation}";
    css +=
        ".button:active{border-color:#767676 #fff #fff #767676;box-shadow:inset 1px 1px "
        "#9f9f9f,inset -1px -1px #efefef;padding:2px 0 0 2px}";
    css += ".button:focus{outline:1px dotted #000;outline-offset:-6px}";
    // What the page tells a screen reader and shows no one.
    css +=
        ".spoken{position:absolute;width:1px;height:1px;overflow:hidden;"
        "clip-path:inset(50%);white-space:nowrap}";
    for (const ControlLayout& control : kControlLayout) {
        if (!control.visible) {
            continue;
        }
        css += '#' + ControlName(control.ref()) + "{left:" + PxText(control.left) +
               ";top:" + PxText(control.top) + ";width:" + PxText(control.width) +
               ";height:" + PxText(control.height);
        if (control.background) {
            css += ";background-color:" + Colour(*control.background);
        }
        css += '}';
    }
    return css;
}

std::string FitFormScript() {
    // Run as the form is parsed, before the first frame, and again whenever the viewport
    // changes (a phone turned, its toolbar shown or hidden). A script rather than CSS arithmetic
    // on viewport units, which older phone browsers and Firefox ESR 140 do not compute.
    return "(()=>{const form=document.getElementById(\"MainForm\");"
           "const fit=()=>{const scale=Math.min(1,innerWidth/" +
           std::to_string(Px(kFormLayout.clientWidthTwips)) + ",innerHeight/" +
           std::to_string(Px(kFormLayout.clientHeightTwips)) +
           ");form.style.transform=scale<1?\"scale(\"+scale+\")\":\"\";};"
           "fit();addEventListener(\"resize\",fit);})();";
}
