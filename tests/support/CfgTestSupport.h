#pragma once
// Shared helpers of the .cfg tests: a model at its start-up state, control
// writes by name, and files in a temporary folder.
#include "ControlAccess.h"
#include "TrackerSettings.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace tarvek::testing
{

// The state right after start-up: defaults in the main window, the
// calculator's initial values.
inline std::unique_ptr<config::SettingsModel> StartupModel()
{
    auto model = std::make_unique<config::SettingsModel>();
    config::loadDefaults(model->tracker);
    return model;
}

inline void Set(config::SettingsModel &model, const QString &name, const QString &value)
{
    const auto control = config::findControl(model, name);
    ASSERT_TRUE(control) << name.toStdString();
    const config::WriteResult written = config::writeControl(*control, value);
    ASSERT_TRUE(written.ok()) << name.toStdString() << "=" << value.toStdString() << ": "
                              << written.reason.toStdString();
}

inline void Set(config::SettingsModel &model, const char *name, const char *value)
{
    Set(model, QString::fromLatin1(name), QString::fromUtf8(value));
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The file Save writes from the start-up state.
inline QByteArray ExampleFile()
{
    return "\"1\",\"200\",\"008\",0,\">\",0\r\n"
           "\"0480\"\r\n\"0360\"\r\n\"250\"\r\n\"180\"\r\n\"130\"\r\n\"110\"\r\n\"090\"\r\n"
           "\"0300\",3,\"025\",\"NOCALL-9\",\"WIDE1-1,WIDE2-2\",\"Tarvek, ver3.0, by QX0ZZZ "
           "Max\",\"NOCALL\",\"Message sent using Tarvek, version 3.0\"\r\n"
           "\"00.00.00\",\"00.00.00\",1,#FALSE#\r\n";
}

} // namespace tarvek::testing
