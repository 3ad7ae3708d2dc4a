// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/captions.h"

class Forms;
class OptionsModel;

// The language the options choose.
Captions::Language captionLanguage(const OptionsModel &options);

// Writes the captions of the chosen language into the main window and the
// options dialog (creating the dialog if needed), after looking again for the
// comment tool; the delete and album buttons get their "*" from the options.
void SetLanguageCaptions(Forms &forms);
