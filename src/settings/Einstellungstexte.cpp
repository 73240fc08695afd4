#include "Einstellungstexte.h"

#include "Fensterhilfen.h"

namespace velmora {

void BeschrifteEinstellungen(const Steuerelemente& steuer, bool deutsch)
{
    if (!deutsch) {
        steuer.Uebersetze({
            {1104, "Family Name"},
            {1086, "Family Members"},
            {1087, "Family Members Rename/Delete"},
            {1021, "Rename entry"},
            {1022, "Delete entry"},
            {1030, "Restore entry"},
            {1033, "Delete definitely"},
            {1088, "Create new Family Members"},
            {1020, "Create new Family Member"},
            {1082, "Accounts of"},
            {1083, "Accounts Rename/Delete"},
            {1016, "Rename entry"},
            {1023, "Delete entry"},
            {1032, "Restore entry"},
            {1034, "Delete definitely"},
            {1038, "Amount"},
            {1018, "Change"},
            {1084, "Create new Account"},
            {1081, "Amount"},
            {1014, "Create new Account"},
            {1025, "Color for Income"},
            {1026, "Color for Expenses"},
            {1027, "Color for Tranfers"},
            {1061, "Edit External Accounts"},
            {1062, "Edit Categories"},
            {1063, "Import Rules…"},
            {1090, "Insert Password"},
            {1075, "Confirm Password"},
        });
    }
    steuer.Benenne(deutsch, {
                                {1010, {"Familien-Name", "Family name"}},
                                {1024, {"Familien-Mitglieder", "Family members"}},
                                {1012, {"Neuer Name des Familien-Mitglieds", "New name of the family member"}},
                                {1017, {"Name des neuen Familien-Mitglieds", "Name of the new family member"}},
                                {1078, {"Konten von", "Accounts of"}},
                                {1019, {"Konten", "Accounts"}},
                                {1013, {"Neuer Name des Kontos", "New name of the account"}},
                                {1015, {"Betrag des Kontos", "Amount of the account"}},
                                {1028, {"Name des neuen Kontos", "Name of the new account"}},
                                {1029, {"Start-Betrag des neuen Kontos", "Start amount of the new account"}},
                                {1073, {"Passwort", "Password"}},
                                {1074, {"Passwort bestätigen", "Confirm password"}},
                                {1131, {"Meldung", "Message"}},
                            });
}

} // namespace velmora
