// Every text the application shell shows or names, stored in code page 932 (this folder's
// string literals are compiled into it).
#pragma once

// The window class of the program's window.
extern const char kWindowClassName[];
// The window's caption: the title of the demonstration and a credit notice.
extern const char kWindowCaption[];
// Box texts of the start-up failures the shell reports itself.
extern const char kTextClassRegistrationFailed[];
extern const char kTextWindowCreationFailed[];
extern const char kTextRenderInitializationFailed[];
