// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QSize>
#include <functional>

class QPushButton;
class QWidget;

// The panel below the face with "Bet 1", "Bet Max", "Payoff Chart" and
// "Spin": their looks, keys, places, tab order and focus, and Enter's press
// of the default button.
class ButtonPanel {
  Q_DECLARE_TR_FUNCTIONS(ButtonPanel)

 public:
  // What each button runs.
  struct Clicks {
    std::function<void()> bet1;
    std::function<void()> betMax;
    std::function<void()> payoffChart;
    std::function<void()> spin;
  };

  // Makes the panel on `client`; the tab order comes from `face` to the
  // buttons, and "Spin" takes the focus.
  ButtonPanel(QWidget& client, QWidget& face, const Clicks& clicks);

  // The panel across the foot of a client area of this size.
  void PlaceAt(QSize client);
  // The buttons spread across the panel as wide as it is now.
  void PlaceButtons();

  void SetEnabled(bool enabled);
  bool SpinEnabled() const;
  void FocusSpin();
  // Enter presses the button that has the focus, else the default one,
  // "Spin".
  void PressDefault();

 private:
  QWidget* Panel1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Bet 1"
  QPushButton* BitBtn2 = nullptr;  // "Bet Max"
  QPushButton* BitBtn3 = nullptr;  // "Payoff Chart"
  QPushButton* Button1 = nullptr;  // "Spin"
};
