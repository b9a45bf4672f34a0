#include "PreviewServer.h"

#include "scene/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, const char*>, 10> kContentTypes{{
    {"html", "text/html; charset=utf-8"},
    {"js", "text/javascript"},
    {"css", "text/css"},
    {"wrl", "model/vrml"},
    {"jpg", "image/jpeg"},
    {"svg", "image/svg+xml"},
    {"wav", "audio/wav"},
    {"woff2", "font/woff2"},
    {"wasm", "application/wasm"},
    {"md", "text/markdown; charset=utf-8"},
}};

QByteArray contentType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto& [ending, type] : kContentTypes)
        if (suffix == QLatin1String(ending))
            return type;
    return "application/octet-stream";
}

QByteArray response(const QByteArray& status, const QByteArray& type, const QByteArray& body,
                    bool withBody) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + (withBody ? body : QByteArray());
}

QByteArray failure(const QByteArray& status) {
    return response(status, "text/plain; charset=utf-8", status + "\n", true);
}

} // namespace

PreviewServer::PreviewServer(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(QFileInfo(folder).canonicalFilePath()),
      m_server(new QTcpServer(this)) {
    if (m_folder.isEmpty() || !m_server->listen(QHostAddress::LocalHost, 0))
        throw norvane::Error(tr("Cannot serve %1 on 127.0.0.1: %2")
                                 .arg(folder, m_server->errorString())
                                 .toStdString());
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
}

QHostAddress PreviewServer::address() const {
    return m_server->serverAddress();
}

quint16 PreviewServer::port() const {
    return m_server->serverPort();
}

// Reads until the blank line that ends the request head, answers and closes.
void PreviewServer::serve(QTcpSocket* socket) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        if (socket->property("answered").toBool())
            return;
        const QByteArray head = socket->peek(16384);
        if (!head.contains("\r\n\r\n") && head.size() < 16384)
            return;
        socket->setProperty("answered", true);
        socket->write(respond(head));
        socket->disconnectFromHost();
    });
}

QByteArray PreviewServer::respond(const QByteArray& request) const {
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    if (words.size() != 3 || !words[2].startsWith("HTTP/"))
        return failure("400 Bad Request");
    const bool head = words[0] == "HEAD";
    if (!head && words[0] != "GET")
        return failure("405 Method Not Allowed");
    const QString path = fileFor(words[1]);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return failure("404 Not Found");
    return response("200 OK", contentType(path), file.readAll(), !head);
}

// The file a request target names inside the folder, or "" when it names none there.
QString PreviewServer::fileFor(const QByteArray& target) const {
    QString path = QUrl::fromPercentEncoding(target.split('?').constFirst());
    if (!path.startsWith(QLatin1Char('/')) ||
        path.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return {};
    if (path.endsWith(QLatin1Char('/')))
        path += QStringLiteral("index.html");
    const QFileInfo file(m_folder + path);
    const QString real = file.canonicalFilePath();
    if (!file.isFile() || !real.startsWith(m_folder + QLatin1Char('/')))
        return {};
    return real;
}
