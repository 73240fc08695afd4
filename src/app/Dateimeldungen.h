#pragma once

// What the main window tells about the book's files: those the start found damaged, and why a save
// failed or made no backup. Each message names the files, one a line.

#include <string>
#include <vector>

class QWidget;

namespace velmora {

void MeldeAbgeschnitteneDateien(QWidget* fenster, bool deutsch, const std::vector<std::string>& pfade);
void MeldeSicherungsfehler(QWidget* fenster, bool deutsch, const std::string& grund);
void MeldeSchreibgeschuetzteDateien(QWidget* fenster, bool deutsch, const std::vector<std::string>& pfade);
void MeldeNichtGeschriebeneDateien(QWidget* fenster, bool deutsch, const std::vector<std::string>& pfade);

} // namespace velmora
