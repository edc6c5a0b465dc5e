#include "base/UserSettings.h"

#include <QTemporaryDir>
#include <QTest>

class UserSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultsWhenNothingIsStored_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("low") << "txtProfile0" << "500";
        QTest::newRow("medium") << "txtProfile1" << "1000";
        QTest::newRow("high") << "txtProfile2" << "1000";
        QTest::newRow("auto sort") << "chkAutoSort" << "1";
        QTest::newRow("clear") << "chkClear" << "1";
        QTest::newRow("help") << "showHelp" << "1";
        QTest::newRow("chart type") << "cmbChart2" << "3";
        QTest::newRow("unknown key") << "nothing" << "";
    }

    void defaultsWhenNothingIsStored()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const auto settings = UserSettings::openFile(dir.filePath("user.ini"));
        QCOMPARE(settings->value(key), expected);
    }

    void valuesAreKeptAsText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("user.ini");
        UserSettings::openFile(path)->setValue(SettingKey::lowThreshold, QString());
        UserSettings::openFile(path)->setValue(SettingKey::chartType, QStringLiteral("07"));
        const auto reopened = UserSettings::openFile(path);
        QCOMPARE(reopened->value(SettingKey::lowThreshold), QString());
        QCOMPARE(reopened->value(SettingKey::chartType), QStringLiteral("07"));
    }

    void checkBoxValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("2 counts as off") << "2" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("text") << "yes" << false;
        QTest::newRow("spaces around") << " 1 " << true;
    }

    void checkBoxValues()
    {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        QTemporaryDir dir;
        const auto settings = UserSettings::openFile(dir.filePath("user.ini"));
        settings->setValue(SettingKey::autoSort, stored);
        settings->setValue(SettingKey::clearBeforeScan, stored);
        QCOMPARE(settings->isOn(SettingKey::autoSort), on);
        QCOMPARE(settings->isOn(SettingKey::clearBeforeScan), on);
    }

    void thresholds_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("low");
        QTest::newRow("number") << "250" << 250;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("empty gives the default") << "" << 500;
        QTest::newRow("text gives the default") << "12a" << 500;
        QTest::newRow("fraction gives the default") << "1.5" << 500;
        QTest::newRow("beyond 32 bits gives the default") << "3000000000" << 500;
    }

    void thresholds()
    {
        QFETCH(QString, stored);
        QFETCH(int, low);
        QTemporaryDir dir;
        const auto settings = UserSettings::openFile(dir.filePath("user.ini"));
        QCOMPARE(settings->threshold(SettingKey::lowThreshold), 500);
        QCOMPARE(settings->threshold(SettingKey::mediumThreshold), 1000);
        settings->setValue(SettingKey::lowThreshold, stored);
        QCOMPARE(settings->threshold(SettingKey::lowThreshold), low);
    }
};

QTEST_GUILESS_MAIN(UserSettingsTest)
#include "tst_usersettings.moc"
