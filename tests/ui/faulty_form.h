#pragma once

#include <stdexcept>

#include "ui/toolkit/form.h"
#include "ui/toolkit/text_box.h"

// A form whose one field fails at the key '!', as a faulty handler would; every other key
// types as usual.
class FaultyForm : public toolkit::Form {
  public:
    FaultyForm() { load(); }
    toolkit::TextBox* field = nullptr;

  private:
    void Form_Create() override {
        events_.keyPress = [](int, int& key) {
            if (key == '!') throw std::runtime_error("no exclamations");
        };
        field = &add<toolkit::TextBox>(0, events_);
    }
    toolkit::TextBoxEvents events_;
};
