// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "CommandResult.h"
#include "DialogServices.h"
#include "GameState.h"

class CanvasWidget;
class PaintedSurface;
class QLabel;
class QPushButton;
class QRadioButton;

enum class MoneyRequest { Borrow, PayBack };
// Runs a loan or a payment of the amount and shows what it did; returns how
// it came out.
using MoneyCommand = std::function<MoneyMove(MoneyRequest request, double amount)>;

// Borrowing and paying back credits in six fixed amounts. Every click takes
// effect at once through the rules, which refuse it while a spin is running;
// the dialog shows both values in LED digits. The caller repaints the main
// window after it closes.
class TBorrowC : public QDialog {
  Q_OBJECT

 public:
  // symbolSize is the main window's, for the LED digits' mid-size shift;
  // `move` runs each loan or payment.
  TBorrowC(MoneyCommand move, const GameState& state, int symbolSize, DialogServices services,
           QWidget* parent = nullptr);
  ~TBorrowC() override;

  // The amount buttons, from $1,000 down to 1 cent.
  void BitBtn1Click() { AmountClick(0); }
  void BitBtn2Click() { AmountClick(1); }
  void BitBtn3Click() { AmountClick(2); }
  void BitBtn4Click() { AmountClick(3); }
  void BitBtn5Click() { AmountClick(4); }
  void BitBtn6Click() { AmountClick(5); }
  // Help.
  void BitBtn7Click();
  // Draws both values into the canvas and shows them.
  void FormPaint();

  CanvasWidget& Surface();

  std::array<QPushButton*, 6> AmountButtons{};  // BitBtn1 .. BitBtn6
  QLabel* Label1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // borrow
  QRadioButton* RadioButton2 = nullptr;  // pay back
  QPushButton* BitBtn7 = nullptr;        // "&Help"
  QPushButton* OKBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateAmountButtons();
  void CreateModeAndButtons();
  void AmountClick(int index);
  void NameAmountButtons();
  // What a click says when the credits do not cover the chip's amount.
  static QString NotEnoughCreditsMessage(std::int64_t cents);
  void PaintValues();

  MoneyCommand move_;
  const GameState& state_;
  int symbolSize_;
  DialogServices services_;
  PaintedSurface* surface_ = nullptr;
};
