#pragma once

#include "structure/menutreeview.h"
#include "structure/step5.h"
#include "wizardfixture.h"

#include <QPersistentModelIndex>
#include <QStringList>

// An item of the structure tree; it keeps pointing at its node as the tree changes.
using Item = QPersistentModelIndex;

// A new project in the fixture, saved to a file in its directory, with the structure page
// shown.
TfrmStep5* openNewProject(WizardFixture& f, const QString& name = QStringLiteral("p.tz"));

// The item reached from the root by child positions: {} is the root, {0, 1} the second
// child of the root's first child.
Item itemAt(TfrmStep5* page, const QList<int>& path);
// Selects the item and adds a new one under it; returns the new item.
Item addUnder(TfrmStep5* page, const Item& parent, const QString& caption);
// The selected item.
Item current(TfrmStep5* page);
QString text(const Item& item);
Item child(const Item& item, int row);
int childCount(const Item& item);
// Each node as "level caption", in tree order.
QStringList outline(TfrmStep5* page);
// A point on the item, where a drop would land.
QPoint pointOf(TfrmStep5* page, const Item& item);
QString uidOf(TfrmStep5* page, const Item& item);

// The file lines of a block of the project text: the lines after its key line up to the
// next key line, multi-line entries split.
QStringList blockLines(const QStringList& projectText, const QString& key);
