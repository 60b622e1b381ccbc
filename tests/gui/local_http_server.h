#pragma once
// A small HTTP server on 127.0.0.1 for download tests, served from the test's own event loop (the download
// runs a nested one). Paths: /ok (the body, whole), /missing (404), /cut (half the announced body, then the
// connection closes), /stall (a first part, then nothing until the client gives up).
#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace dorvik::testing {

class LocalHttpServer : public QObject {
public:
    explicit LocalHttpServer(QByteArray body) : body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(*socket); });
            }
        });
    }

    bool Listening() const { return server_.isListening(); }
    std::string Url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    int Requests() const { return requests_; }

private:
    void Serve(QTcpSocket& socket) {
        request_ += socket.readAll();
        if (!request_.contains("\r\n\r\n"))
            return;
        ++requests_;
        const QByteArray path = request_.split(' ').value(1);
        request_.clear();
        const auto headers = [](int status, const char* reason, qsizetype length) {
            return QByteArray("HTTP/1.1 ") + QByteArray::number(status) + ' ' + reason +
                   "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                   QByteArray::number(length) + "\r\nConnection: close\r\n\r\n";
        };
        if (path == "/ok") {
            socket.write(headers(200, "OK", body_.size()) + body_);
            socket.disconnectFromHost();
        } else if (path == "/cut") {
            socket.write(headers(200, "OK", body_.size()) + body_.left(body_.size() / 2));
            socket.flush();
            socket.disconnectFromHost();
        } else if (path == "/stall") {
            socket.write(headers(200, "OK", body_.size() * 100) + body_);
            socket.flush();
        } else {
            const QByteArray page = "<html><body>Not Found</body></html>";
            socket.write(headers(404, "Not Found", page.size()) + page);
            socket.disconnectFromHost();
        }
    }

    QTcpServer server_;
    QByteArray body_;
    QByteArray request_;
    int requests_ = 0;
};

} // namespace dorvik::testing
