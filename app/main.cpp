#include <QApplication>

#include "Application.h"
#include "CommandLine.h"
#include "Slot.h"

int main(int argc, char* argv[]) {
  if (const auto exitCode = AnswerCommandLine(argc, argv)) return *exitCode;

  PrepareBeforeApplication();
  QApplication application(argc, argv);
  PrepareApplication();

  TForm1 form(SlotEnvironment::Standard());
  form.CreatePayoffChart();
  form.show();
  return QApplication::exec();
}
