#pragma once
// Result sets for the viewer's tests, computed by the engine in a folder of the test's own.

#include "ProcessData.h"

#include <QByteArray>
#include <QString>

// Writes process data for `shape` as `folder`/`name` and computes the set; returns its name.
QString computeSet(const QString& folder, const QString& name, SampleShape shape);
// The same for a low-pressure programme of a semi-infinite sample: a gas stage, then boosts and
// neutral diffusions in turn.
QString computeLowPressureSet(const QString& folder, const QString& name);

// Writes a file whole; a test that cannot set up its files stops at once.
void writeTestFile(const QString& path, const QByteArray& content);
// A file's bytes; a test that cannot read its own files stops at once.
QByteArray readTestFile(const QString& path);
