#pragma once

// Little-endian binary encoding of the settings and monthly files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reads from a file's bytes. Every read checks the bytes left first; once a read fails the reader
// stays stopped, so a cut-short file yields exactly the values before the cut.
class BinaerLeser final
{
public:
    explicit BinaerLeser(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    bool Int(int& wert);
    bool Double(double& wert);
    // A length-prefixed string; a negative length reads as empty, as a loop over it would.
    bool Text(std::string& wert);
    bool Ueberspringe(size_t anzahl);

    bool Abgeschnitten() const { return m_abgeschnitten; }
    size_t Rest() const { return m_bytes.size() - m_pos; }

private:
    bool Nimm(size_t anzahl);

    std::string_view m_bytes;
    size_t m_pos = 0;
    bool m_abgeschnitten = false;
};

// Collects a file's bytes in memory; the file is written in one step afterwards.
class BinaerSchreiber final
{
public:
    void Int(int wert);
    void Double(double wert);
    void Text(std::string_view wert);
    void Nullen(size_t anzahl) { m_bytes.append(anzahl, '\0'); }

    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Reads a whole file. False when it cannot be opened or read.
bool LeseDatei(const std::string& pfad, std::string& bytes);

// Writes a file through a temporary file in the same folder that is renamed over the old one, so a
// failed or interrupted save leaves the old file untouched. The file keeps its mode. False when anything
// fails.
bool SchreibeDateiSicher(const std::string& pfad, std::string_view bytes);

// The mode a file written to pfad gets: the one of the file there (else of `vorige`, the file it
// replaces under another name), else 0600 for a settings file, which holds the password, and 0644 for
// any other. Nullopt when the file there must not be written: its mode forbids writing.
std::optional<unsigned> Schreibmodus(const std::string& pfad, const std::string& vorige = {});

// Writes the bytes into a new temporary file beside pfad (pfad + ".XXXXXX") with the given mode and
// makes it durable. Its name, or empty when anything failed (nothing is left behind then).
std::string SchreibeTemp(const std::string& pfad, std::string_view bytes, unsigned modus);

// Writes a new file whole and makes it durable; false when it exists already or anything fails.
bool SchreibeNeueDatei(const std::string& pfad, std::string_view bytes, unsigned modus);

// Makes the entries of a folder (created, renamed, removed files) durable.
bool SichereOrdner(const std::string& ordner);

// Joins the data folder and a file name; an empty folder means the current folder.
std::string DateiPfad(const std::string& ordner, const std::string& name);

bool DateiExistiert(const std::string& pfad);

} // namespace velmora
