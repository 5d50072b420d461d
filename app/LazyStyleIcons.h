// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wraps the application's style (as the desktop or -style chose it) in one
// that hands out the menu bar's overflow arrows as icons whose pictures are
// read when first drawn. The arrows are asked for as the menu bar is made;
// reading them there makes Qt load every image format plugin on the system
// (it asks each whether it reads PNG), which held up the first paint, where
// the arrow is never shown. Calling it again changes nothing.
void MakeOverflowIconsLazy();
