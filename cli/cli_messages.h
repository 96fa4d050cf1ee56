// Texts of the messages only the command line shows (the rules' own texts
// belong to the modules it runs). Macros, so that the compiler checks every
// use against its printf arguments.
#ifndef QLC_CLI_CLI_MESSAGES_H
#define QLC_CLI_CLI_MESSAGES_H

#define MSG_PIXEL_CLOCK_UNAVAILABLE                                                      \
  "ERROR: The panel's pixel clock cannot be had with these clock settings; nothing was " \
  "written (--keep-pixel-clock applies the panel without it)."

#define MSG_PANEL_NOT_FOUND "ERROR: No predefined panel \"%s\"!"
#define MSG_NO_PANELS "ERROR: No predefined panels in %s!"
#define MSG_STDOUT_FAILED "ERROR: could not write to standard output!"

#endif
