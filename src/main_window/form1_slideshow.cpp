// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/form1.h"

void Form1::cmdSlideShow_Click() {}

void Form1::cmdSlideStop_Click() {}

void Form1::Slider1_Change() {}

void Form1::Slider1_GotFocus() {}

void Form1::Slider1_LostFocus() {}
