#pragma once

#include "platform/documents.h"
#include "tests/common/uitest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Clicks a document link with the document in place and returns the file asked to open.
inline QString openedByLink(QWidget* window, const char* link, const QString& document)
{
    const QString path =
        platform::localDocumentPath(QStringLiteral("c:\\Program Files\\TalverTable\\gost\\") + document);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool created = !QFileInfo::exists(path);
    if (created) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }
    uitest::takeOpenedDocuments();
    QTest::mouseClick(uitest::child<QWidget>(window, link), Qt::LeftButton);
    if (created)
        QFile::remove(path);
    const QList<QUrl> opened = uitest::takeOpenedDocuments();
    return opened.size() == 1 ? QFileInfo(opened.first().toLocalFile()).fileName() : QString();
}
