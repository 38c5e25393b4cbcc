#pragma once
// QApplication sets the C library's locale from the desktop, after which printf and strtod
// follow it (a Polish desktop writes 0,8). Files and boxes must not depend on the desktop:
// call this right after the application object is made.
void useClassicNumericLocale();
