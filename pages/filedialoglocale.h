#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

// Qt's file dialog writes sizes, dates and the folder type in the system's language even
// when its other texts are Russian. Put between the dialog and its files, this model writes
// them in Russian.
class RussianFileColumns : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    static QString sizeText(qint64 bytes);
};

// Widens the dialog's date column to the Russian date and time, which is longer than the text
// Qt sizes the column for.
void fitRussianDateColumn(QFileDialog& dialog);
