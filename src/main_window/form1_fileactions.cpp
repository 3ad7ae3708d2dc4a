// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/form1.h"

void Form1::cmdJPGDEL_Click() {}

void Form1::cmdMSIE_Click() {}

void Form1::cmdNOTE_Click() {}

void Form1::cmdFTP_Click() {}

void Form1::cmdOption_Click() {}

void Form1::cmdDesign_Click() {}

void Form1::File1_DblClick() {}
