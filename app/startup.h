// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

class QApplication;
class MainMenu;

// Everything the program does before the user acts: the font substitutes,
// Qt's own texts in Arabic, the style that shows the design colours, the icon.
void prepareApplication(QApplication &application);

// Shows the main menu, centred on the screen.
MainMenu *showMainMenu();
