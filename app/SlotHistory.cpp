// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogServices.h"
#include "GameHistoryWindow.h"
#include "Slot.h"

void TForm1::GameHistory1Click() {
  RunGameCommand(
      [this] {
        GameHistoryWindow window(Rules().State(), ProgramDir(), Services(), this);
        window.exec();
      },
      WhenSpinning::SayWhyItWaits);
}
