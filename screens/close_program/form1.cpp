#include "screens/close_program/form1.h"

#include "base/text.h"
#include "frame/app.h"
#include "frame/message_box.h"
#include "screens/close_program/display_name.h"
#include "screens/not_responding/form2.h"
#include "screens/shut_down/form3.h"
#include "services/module1.h"

frame::GlobalScreen<close_program::CloseProgramForm> Form1;

namespace close_program {

CloseProgramForm::CloseProgramForm() : Screen(kLayout) {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  List1.DblClick = [this] { List1_DblClick(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
}

void CloseProgramForm::Form_Load() {
  List1.AddItem(L"Explorer");
  List1.AddItem(L"Systray");
}

// "Shutdown" only announces: the real question comes from the Shut Down Windows screen.
void CloseProgramForm::Command1_Click() {
  frame::MsgBox(L"Are you sure you want to shutdown?", frame::kStopOnly, L"Windows");
  std::wstring buffer = base::String(200, 0);
  int32_t size = 199;
  Module1::GetUserNameA(buffer, size);
  const std::wstring name = DisplayName(buffer);
  frame::MsgBox(L"Loging off user: " + name, frame::kStopOnly, L"Windows");
  Form1->Hide();
  Form3->Show();
}

// "Cancel" hides the cursor; Timer1 gives it back six seconds after the last click.
void CloseProgramForm::Command2_Click() {
  Timer1.SetEnabled(false);
  Module1::ShowCursor(0);
  Timer1.SetEnabled(true);
}

void CloseProgramForm::Command3_Click() {
  if (Form1->List1.ListIndex() > -1) {
    Form1->Hide();
    Form2->Show();
  }
}

void CloseProgramForm::List1_DblClick() {
  Command3_Click();
}

void CloseProgramForm::Timer1_Timer() {
  Module1::ShowCursor(-1);
  Timer1.SetEnabled(false);
}

// The prank lasts one minute.
void CloseProgramForm::Timer2_Timer() {
  Module1::ShowCursor(-1);
  frame::End();
}

}  // namespace close_program
