#pragma once

// The settings of what the program adds to the certificate. They are kept in
// a settings file of their own (~/.config/Avelor/Avelor.ini), so the stock
// file keeps its format.
struct ExtraSettings
{
    bool inbreedingOnCertificate = false;
    bool markRepeatedAncestors = false;

    static ExtraSettings load();
    void save() const;
};
