// The Not Responding screen: a look-alike of the system's box for a program that has stopped
// responding, named after the task chosen on the Close Program screen.
#pragma once

#include "frame/screen.h"

namespace not_responding {

extern const frame::ScreenLayout kLayout;

class NotRespondingForm : public frame::Screen {
 public:
  NotRespondingForm();

  frame::CommandButton Command2{*this, L"Command2"};
  frame::CommandButton Command1{*this, L"Command1"};
  frame::Label Label1{*this, L"Label1"};

 protected:
  void Form_Load() override;

 private:
  void Command1_Click();
  void Command2_Click();
};

}  // namespace not_responding

extern frame::GlobalScreen<not_responding::NotRespondingForm> Form2;
