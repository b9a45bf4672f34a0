#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// A loopback HTTP server for one folder, for previewing an exported web page in the desktop's
// browser. Listens on 127.0.0.1 only, on a free port; answers GET and HEAD with the file, 405 to
// other methods, and 404 to a path with "..", a path that is not absolute, a folder, or a file
// (or link) that lies outside the folder. One request per connection. Stops when destroyed.
class PreviewServer : public QObject {
    Q_OBJECT
public:
    // Starts serving `folder`. Throws norvane::Error when no port can be had.
    explicit PreviewServer(const QString& folder, QObject* parent = nullptr);

    // The address and port it listens on.
    QHostAddress address() const;
    quint16 port() const;
    // The folder it serves.
    const QString& folder() const { return m_folder; }

    // The whole HTTP response to `request` (its bytes up to the blank line), for this folder.
    QByteArray respond(const QByteArray& request) const;

private:
    void serve(QTcpSocket* socket);
    QString fileFor(const QByteArray& target) const;

    QString m_folder;
    QTcpServer* m_server = nullptr;
};
