#pragma once
// Marks a text of the Qt-free layers that a window shows, for Qt's translation tools: lupdate
// collects it under its context, and the window that shows it looks it up with
// QCoreApplication::translate(context, text). Here, where no Qt is, the mark is the text itself.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
