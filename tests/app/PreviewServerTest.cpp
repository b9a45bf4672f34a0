// The loopback server of the browser preview: what it serves, with which type, and what it
// refuses, over a real connection to 127.0.0.1.
#include "app/PreviewServer.h"
#include "UiHelpers.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

struct Request {
    const char* name;
    const char* request; // the request line
    const char* status;  // the response's status line
    const char* type;    // its Content-Type
    const char* body;    // "" for none
};

const char* const kText = "text/plain; charset=utf-8";

const Request kRequests[] = {
    {"page", "GET /index.html", "HTTP/1.1 200 OK", "text/html; charset=utf-8", "<p>page</p>"},
    {"world head", "HEAD /index.wrl", "HTTP/1.1 200 OK", "model/vrml", ""},
    {"script with query", "GET /x_ite/x.js?v=1", "HTTP/1.1 200 OK", "text/javascript", "js"},
    {"escaped name", "GET /x_ite/a%20b.css", "HTTP/1.1 200 OK", "text/css", "css"},
    {"dot dot", "GET /../secret.txt", "HTTP/1.1 404 Not Found", kText, "404 Not Found\n"},
    {"escaped dot dot", "GET /x_ite/%2E%2E/%2e%2e/secret.txt", "HTTP/1.1 404 Not Found", kText,
     "404 Not Found\n"},
    {"absolute path", "GET /etc/passwd", "HTTP/1.1 404 Not Found", kText, "404 Not Found\n"},
    {"absolute form", "GET http://127.0.0.1/index.html", "HTTP/1.1 404 Not Found", kText,
     "404 Not Found\n"},
    {"link out", "GET /out.txt", "HTTP/1.1 404 Not Found", kText, "404 Not Found\n"},
    {"post", "POST /index.html", "HTTP/1.1 405 Method Not Allowed", kText,
     "405 Method Not Allowed\n"},
    {"not http", "GET /index.html FTP/1", "HTTP/1.1 400 Bad Request", kText, "400 Bad Request\n"},
};

QByteArray exchange(quint16 port, const QByteArray& requestLine) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    const QByteArray line = requestLine.contains(" HTTP/") || requestLine.contains(" FTP/")
                                ? requestLine
                                : requestLine + " HTTP/1.1";
    socket.write(line + "\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray reply;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { reply += socket.readAll(); });
    const bool closed =
        QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000);
    return closed ? reply + socket.readAll() : QByteArray("no reply in time");
}

} // namespace

class PreviewServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_scratch.isValid());
        const QDir root(m_scratch.path());
        QVERIFY(root.mkpath("site/x_ite"));
        writeFile(root.filePath("secret.txt"), "secret");
        writeFile(root.filePath("site/index.html"), "<p>page</p>");
        writeFile(root.filePath("site/index.wrl"), "#VRML V2.0 utf8\r\n");
        writeFile(root.filePath("site/x_ite/x.js"), "js");
        writeFile(root.filePath("site/x_ite/a b.css"), "css");
        QVERIFY(QFile::link(root.filePath("secret.txt"), root.filePath("site/out.txt")));
        m_server = std::make_unique<PreviewServer>(root.filePath("site"));
    }

    void listensOnLoopbackOnly() {
        QCOMPARE(m_server->address(), QHostAddress(QHostAddress::LocalHost));
        QVERIFY(m_server->port() != 0);
    }

    void answersEachRequest_data() { addCases(kRequests); }
    void answersEachRequest() {
        const Request& c = fetchCase<Request>();
        const QByteArray reply = exchange(m_server->port(), c.request);
        const qsizetype end = reply.indexOf("\r\n\r\n");
        QVERIFY2(end > 0, reply.constData());
        const QList<QByteArray> head = reply.left(end).split('\n');
        QCOMPARE(head.value(0).trimmed(), QByteArray(c.status));
        QVERIFY2(head.contains(QByteArray("Content-Type: ") + c.type + "\r"), reply.constData());
        QCOMPARE(reply.mid(end + 4), QByteArray(c.body));
    }

private:
    QTemporaryDir m_scratch;
    std::unique_ptr<PreviewServer> m_server;
};

QTEST_GUILESS_MAIN(PreviewServerTest)
#include "PreviewServerTest.moc"
