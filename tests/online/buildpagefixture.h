#pragma once

#include "loopbackserver.h"
#include "wizardfixture.h"

#include <QStringList>
#include <QTime>

class TfrmStep9;

// The whole program with the build page open and pointed at a loopback server; the status
// timer ticks every 40 ms and requests give up after five seconds.
class BuildPageFixture {
public:
    BuildPageFixture();
    ~BuildPageFixture();

    WizardFixture wizard;
    LoopbackServer server;
    TfrmStep9* page = nullptr;
    // When the page was opened; every time stamp in its log is later.
    QTime openedAt;

    QStringList logLines() const;
    void pressButton1();
    // Leaves the page with "<<  Вернуться"; forward() comes back with Next on the
    // introduction page.
    void back();
    void forward();
    // Requests of one kind that the server has received so far.
    int count(const QByteArray& method) const;

private:
    QByteArray m_oldUrl;
};

// The page's time stamp at a moment between since and now.
bool isStampSince(const QString& stamp, QTime since);
// The line split at its first ": " into time stamp and text.
QString stampOf(const QString& line);
QString textOf(const QString& line);
