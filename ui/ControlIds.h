// The controls of the main window, named as the program knows them. Each name
// is the control's child-window identifier; creation order follows the ids.
#pragma once

enum ControlId : int {
    编辑框1 = 100,   // input box
    按钮1 = 110,     // convert to escapes
    按钮2 = 120,     // restore escapes
    选择框1 = 130,   // escape only code units above 127
    编辑框2 = 140,   // output box
    按钮3 = 150,     // copy the result
    脚本组件1 = 160, // carries the script host; never shown
    按钮4 = 170,     // clear the result
};

// Where Tab moves the focus: the creation order without the script component.
inline constexpr ControlId kTabOrder[] = {编辑框1, 按钮1, 按钮2, 选择框1, 编辑框2, 按钮3, 按钮4};
