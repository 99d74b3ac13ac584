#include "project/projectsession.h"
#include "structure/menutreemodel.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeView>

#include <functional>

// The model tells its views of every change the way Qt's views rely on: Qt's own model
// tester checks each signal against the model's answers, and a view that follows the
// changes shows the tree as it is.
class MenuTreeModelTest : public QObject {
    Q_OBJECT

    static QList<QModelIndex> indexes(const QAbstractItemModel& model) {
        QList<QModelIndex> all;
        std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& index) {
            all.append(index);
            for (int row = 0; row < model.rowCount(index); ++row)
                walk(model.index(row, 0, index));
        };
        walk(model.index(0, 0));
        return all;
    }

private Q_SLOTS:
    void everyEditIsReportedAsItHappens() {
        tz::ProjectSession session(false);
        MenuTreeModel model(session);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTreeView view;
        view.setModel(&model);
        view.show();
        QRandomGenerator random(20261208);
        qint32 uid = 10000000;
        for (int step = 0; step < 400; ++step) {
            const QList<QModelIndex> all = indexes(model);
            // Views keep their places by persistent indexes, which only right signals move.
            QList<std::pair<QPersistentModelIndex, const tz::MenuNode*>> kept;
            for (const QModelIndex& index : all)
                kept.append({index, model.node(index)});
            const QModelIndex any = all.at(random.bounded(all.size()));
            const QModelIndex other = all.at(random.bounded(all.size()));
            switch (random.bounded(6)) {
            case 0:
            case 1: {
                // Each item its own caption, so that a row reported in the wrong place shows.
                const QModelIndex added = model.addItem(any, ++uid);
                QVERIFY(added.isValid());
                model.setCaption(added, QString::number(uid));
                break;
            }
            case 2:
                model.removeItem(any);
                break;
            case 3:
                model.drop(any, other);
                break;
            case 4: {
                // Among its siblings as often as elsewhere.
                const QModelIndex under = random.bounded(2) ? any.parent() : other;
                model.moveItem(any, under, random.bounded(model.rowCount(under) + 1));
                break;
            }
            default: {
                // The branch is put back under another node, at any of its rows.
                const tz::MenuBranch branch = model.takeBranch(any);
                if (branch.records.isEmpty())
                    break;
                const QList<QModelIndex> left = indexes(model);
                const QModelIndex under = left.at(random.bounded(left.size()));
                QVERIFY(model.insertBranch(under, random.bounded(model.rowCount(under) + 1), branch)
                            .isValid());
            }
            }
            if (random.bounded(3) == 0)
                view.expandAll();
            QVERIFY(!QTest::currentTestFailed());
            for (const auto& [index, node] : kept)
                QVERIFY(!index.isValid() || QModelIndex(index) == model.indexOf(node));
            const QList<QModelIndex> shown = indexes(model);
            for (const QModelIndex& index : shown) {
                const tz::MenuNode* node = model.node(index);
                QCOMPARE(model.indexOf(node), index);
                // The records in tree order follow every edit.
                if (node->record())
                    QCOMPARE(model.tree().records().at(shown.indexOf(index) - 1), *node->record());
                QCOMPARE(index.data().toString(), node->text());
                QCOMPARE(model.rowCount(index), node->childCount());
            }
        }
        QCOMPARE(model.tree().records().size(), indexes(model).size() - 1);
    }
};

QTEST_MAIN(MenuTreeModelTest)
#include "menutreemodel_test.moc"
