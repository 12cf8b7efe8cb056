#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/tab_strip.h"

// A user at the null back end's keyboard and mouse: each call is one input, handled as a
// window system hands it on (the form previews keys, the focus policy guards the moves), and
// what it posts runs before the call returns.
//   toolkit::null::type(form, "3.5");
//   toolkit::null::press(form, toolkit::kTab);
namespace toolkit::null {

// Each character typed as a key press and release, "\t" as Tab, "\n" as Enter.
void type(Form& form, std::string_view text);
// One key, with the shift bits of keyboard.h; Alt with a letter is an access key.
void press(Form& form, int keyCode, int shift = 0);
// A press and release of the left button on the control; on a tab strip, on its tab index.
void click(Control& control);
void clickTab(TabStrip& strip, int index);
// The close button: the form may keep the window open.
void close(Form& form);
// The answer ask() gives next (true: the first).
void answerNext(Form& form, bool first);
// The files the next file dialog is answered with (none: cancelled).
void chooseNext(Form& form, std::vector<std::string> files);
// The form's timer, if it runs, comes due once.
void tick(Form& form);
// The questions the form has asked, oldest first.
const std::vector<std::string>& questions(const Form& form);
const std::string& caption(const Form& form);

}  // namespace toolkit::null
