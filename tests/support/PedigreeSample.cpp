#include "support/PedigreeSample.h"

QString sampleAncestorRing(int slot)
{
    const int generation = slot <= 2 ? 1 : slot <= 6 ? 2 : slot <= 14 ? 3 : 4;
    return QStringLiteral("A%1-06165-%2").arg(slot, 2, 10, QLatin1Char('0')).arg(2020 - 2 * generation);
}

Database pedigreeSample()
{
    Database db;
    db.print = PrintSettings::defaults();
    db.print.PrintBirthYear = 1;
    db.breeder = {QStringLiteral("Jörg"),       QStringLiteral("Weiß"),        QStringLiteral("Am Vogelsang 3"),
                  QStringLiteral("50667 Köln"), QStringLiteral("0221 123456"), QStringLiteral("Z-4711"),
                  QStringLiteral("V 08")};

    TTauben subject;
    subject.RingNumber = kSampleSubject;
    subject.Sex = 1;
    subject.BirthYear = 2020;
    subject.Breeder = QStringLiteral("Jörg Weiß");
    subject.Colour = QStringLiteral("gelb");
    subject.Markings = QStringLiteral("gescheckt");
    subject.Breed = QStringLiteral("Gloster Corona");
    subject.Remarks = QStringLiteral("Landesschau 2021: 93 Punkte, Gold");
    subject.ListRemarks = QStringLiteral("Zuchthahn");
    subject.FatherRing = sampleAncestorRing(1);
    subject.MotherRing = sampleAncestorRing(2);
    subject.Active = 1;
    db.animals.push_back(subject);

    static const QString colours[]
        = {QStringLiteral("gelb"), QStringLiteral("grün"), QStringLiteral("weiß"), QStringLiteral("rotorange")};
    for (int slot = 1; slot <= 30; ++slot) {
        TTauben a;
        const int generation = slot <= 2 ? 1 : slot <= 6 ? 2 : slot <= 14 ? 3 : 4;
        a.RingNumber = sampleAncestorRing(slot);
        a.Sex = slot % 2 == 1 ? 1 : 2;
        a.BirthYear = 2020 - 2 * generation;
        a.Breeder = QStringLiteral("Züchter %1").arg(slot);
        a.Colour = colours[slot % 4];
        a.Markings = slot % 3 == 0 ? QString() : QStringLiteral("einfarbig");
        a.Breed = slot % 2 ? QStringLiteral("Gloster Corona") : QStringLiteral("Gloster Consort");
        a.Remarks = QStringLiteral("%1 Punkte").arg(88 + slot % 7);
        if (slot <= 14) {
            a.FatherRing = sampleAncestorRing(2 * slot + 1);
            a.MotherRing = sampleAncestorRing(2 * slot + 2);
        }
        a.Active = 1;
        db.animals.push_back(a);
    }
    return db;
}
