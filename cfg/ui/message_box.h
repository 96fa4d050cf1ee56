// Messages of the configurator shown as Win32 message boxes.
#ifndef QLC_CFG_UI_MESSAGE_BOX_H
#define QLC_CFG_UI_MESSAGE_BOX_H

// The box is titled "56420CFG", owned by owner (a window handle or null), with
// the style's icon and buttons; returns the button pressed.
int ShowMessageBox(void* owner, unsigned style, const char* text);

// Makes ShowMessage show message boxes.
void UseMessageBoxes();

#endif
