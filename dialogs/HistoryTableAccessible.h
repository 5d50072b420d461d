// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGridLayout;
class QWidget;

// Makes a grid of labels read as a table by screen readers: the widget
// holding the grid becomes a table, the labels of its first grid row its
// column headers and every other label a cell named by its text (or by its
// accessible name, for a picture). The grid's rows and columns are the
// table's; the labels stay what the window shows. Run once the grid is
// filled.
void ReadGridAsTable(QWidget& holder, QGridLayout& grid);
