// The Not Responding screen: a look-alike of the system's box for a program that has stopped
// responding, named after the task chosen on the Close Program screen.
#pragma once

#include "frame/screen.h"
#include "screens/not_responding/layout.h"

namespace not_responding {

class NotRespondingForm : public frame::Screen {
 public:
  NotRespondingForm();

  frame::CommandButton Command2{*this, {kLayout, L"Command2"}};
  frame::CommandButton Command1{*this, {kLayout, L"Command1"}};
  frame::Label Label1{*this, {kLayout, L"Label1"}};

 protected:
  void Form_Load() override;

 private:
  void Command1_Click();
  void Command2_Click();
};

}  // namespace not_responding

extern frame::GlobalScreen<not_responding::NotRespondingForm> Form2;
