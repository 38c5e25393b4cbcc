#pragma once
// Tab goes from control to control in the order a person reads them, whatever order they were
// made in: a row added later, a column shown later, a button made by a base class first.

#include <QWidget>

#include <initializer_list>

// Tab goes through `widgets` in the order given, from the first of them on; a null one (a cell
// not shown) is passed over.
void setTabOrderAsListed(std::initializer_list<QWidget*> widgets);
