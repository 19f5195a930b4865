#include "app/translationcandidates.h"

#include <QTest>

class tst_TranslationCandidates : public QObject
{
    Q_OBJECT
private slots:
    void candidates_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("expected");
        // A chosen language ignores the locale; past the list only the fallback.
        QTest::newRow("7 Russian") << 7 << "de_AT" << QStringList{"ru", "en_US"};
        QTest::newRow("8") << 8 << "de_AT" << QStringList{"en_US"};
        QTest::newRow("-1") << -1 << "de_AT" << QStringList{"en_US"};
        // The system locale, then its language's own file.
        QTest::newRow("0 de_AT") << 0 << "de_AT" << QStringList{"de_AT", "de", "en_US"};
        QTest::newRow("0 zh_TW") << 0 << "zh_TW" << QStringList{"zh_TW", "zh_CN", "en_US"};
        QTest::newRow("0 en_GB") << 0 << "en_GB" << QStringList{"en_GB", "en_US", "en_US"};
        QTest::newRow("0 es") << 0 << "es" << QStringList{"es", "es", "en_US"};
        QTest::newRow("0 pt_BR") << 0 << "pt_BR" << QStringList{"pt_BR", "en_US"};
    }

    void candidates()
    {
        QFETCH(int, index);
        QFETCH(QString, locale);
        QTEST(TranslationCandidates::forIndex(index, locale), "expected");
    }
};

QTEST_GUILESS_MAIN(tst_TranslationCandidates)
#include "tst_translationcandidates.moc"
