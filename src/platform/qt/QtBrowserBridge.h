#pragma once
#include <QJsonObject>
#include <QObject>
#include <functional>

namespace plat {

// The object that the page's bridge script (QtBrowserBridgeScript) reaches over the web
// channel. Towards the page: the program's batches, each one signal carrying its sequence
// number (signals keep their order; property updates would not), and the node ids of
// elements to measure. From the page: one JSON text per message; anything that is not a
// JSON object with a "kind" is dropped and logged.
class QtBrowserBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    std::function<void(const QJsonObject& message)> onMessage;

signals:
    void batch(int seq, const QString& json);
    void watch(const QString& nodeIdsJson);

public slots:
    void receive(const QString& json);
};

} // namespace plat
