#pragma once

#include <QStringList>

#include <memory>

class TfrmMain;
class UiSeam;

// Creates the controller and then every window, hidden, in the program's fixed order;
// the controller owns them all. The first page is shown by the controller's start timer.
// "--extended" anywhere in the arguments turns the extended mode on; the other arguments
// are the controller's.
std::unique_ptr<TfrmMain> createWizard(UiSeam& seam, const QStringList& arguments);
