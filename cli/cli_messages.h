// Texts of the messages the command line shows besides those of the modules
// it runs. Macros, so that the compiler checks every use against its
// printf arguments.
#ifndef QLC_CLI_CLI_MESSAGES_H
#define QLC_CLI_CLI_MESSAGES_H

// The texts the register and power-delay entries of the settings use.
#define MSG_INVALID_REGISTER_VALUE "ERROR:Invalid value entered!"
#define MSG_POWER_CONNECT_TIME "ERROR: Panel Power Connect Time!"
#define MSG_POWER_DISCONNECT_TIME "ERROR: Panel Power Disconnect Time!"

// A zero input or bus clock would leave the clock arithmetic without a divisor.
#define MSG_ZERO_CLOCK "ERROR: %s must be above 0 kHz!"

// The General page's refusal of an address pair with one half zero.
#define MSG_NONZERO_HEX_REQUIRED "Non-zero hexadecimal value required!"

#define MSG_PIXEL_CLOCK_UNAVAILABLE                                                      \
  "ERROR: The panel's pixel clock cannot be had with these clock settings; nothing was " \
  "written (--keep-pixel-clock applies the panel without it)."

#define MSG_PANEL_NOT_FOUND "ERROR: No predefined panel \"%s\"!"
#define MSG_NO_PANELS "ERROR: No predefined panels in %s!"
#define MSG_STDOUT_FAILED "ERROR: could not write to standard output!"

#endif
