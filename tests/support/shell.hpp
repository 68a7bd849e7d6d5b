#pragma once
// Running shell commands from tests: their output, whether a tool is installed, quoting.

#include <filesystem>
#include <string>

// What the command writes on standard output (its standard error goes where the test's goes).
std::string sortieDe(const std::string& pCommande);
// True when the program is found on PATH.
bool disponible(const std::string& pProgramme);
// One argument quoted for the shell.
std::string guillemets(const std::string& pTexte);
// The bytes of a file; empty when it cannot be read.
std::string lireFichier(const std::filesystem::path& pChemin);
