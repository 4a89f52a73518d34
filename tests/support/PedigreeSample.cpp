#include "support/PedigreeSample.h"

QString sampleAncestorRing(int slot)
{
    const int generation = slot <= 2 ? 1 : slot <= 6 ? 2 : slot <= 14 ? 3 : 4;
    return QStringLiteral("A%1-06165-%2").arg(slot, 2, 10, QLatin1Char('0')).arg(2020 - 2 * generation);
}

StockData pedigreeSample()
{
    StockData db;
    db.print = PrintSettings::defaults();
    db.print.printBirthYear = 1;
    db.breeder = {QStringLiteral("Jörg"),       QStringLiteral("Weiß"),        QStringLiteral("Am Vogelsang 3"),
                  QStringLiteral("50667 Köln"), QStringLiteral("0221 123456"), QStringLiteral("Z-4711"),
                  QStringLiteral("V 08")};

    Animal subject;
    subject.ringNumber = kSampleSubject;
    subject.sex = Sex::Male;
    subject.birthYear = 2020;
    subject.breeder = QStringLiteral("Jörg Weiß");
    subject.colour = QStringLiteral("gelb");
    subject.markings = QStringLiteral("gescheckt");
    subject.breed = QStringLiteral("Gloster Corona");
    subject.remarks = QStringLiteral("Landesschau 2021: 93 Punkte, Gold");
    subject.listRemarks = QStringLiteral("Zuchthahn");
    subject.fatherRing = sampleAncestorRing(1);
    subject.motherRing = sampleAncestorRing(2);
    subject.active = 1;
    db.animals.push_back(subject);

    static const QString colours[]
        = {QStringLiteral("gelb"), QStringLiteral("grün"), QStringLiteral("weiß"), QStringLiteral("rotorange")};
    for (int slot = 1; slot <= 30; ++slot) {
        Animal a;
        const int generation = slot <= 2 ? 1 : slot <= 6 ? 2 : slot <= 14 ? 3 : 4;
        a.ringNumber = sampleAncestorRing(slot);
        a.sex = slot % 2 == 1 ? Sex::Male : Sex::Female;
        a.birthYear = 2020 - 2 * generation;
        a.breeder = QStringLiteral("Züchter %1").arg(slot);
        a.colour = colours[slot % 4];
        a.markings = slot % 3 == 0 ? QString() : QStringLiteral("einfarbig");
        a.breed = slot % 2 ? QStringLiteral("Gloster Corona") : QStringLiteral("Gloster Consort");
        a.remarks = QStringLiteral("%1 Punkte").arg(88 + slot % 7);
        if (slot <= 14) {
            a.fatherRing = sampleAncestorRing(2 * slot + 1);
            a.motherRing = sampleAncestorRing(2 * slot + 2);
        }
        a.active = 1;
        db.animals.push_back(a);
    }
    return db;
}
