// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Forms;

// Installs the language the options choose and writes its texts into the main
// window and the options dialog (creating the dialog if needed), after
// looking again for the comment tool; the delete and album buttons get their
// "*" from the options.
void SetLanguageCaptions(Forms &forms);
