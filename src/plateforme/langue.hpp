#pragma once
// The language of the texts shown to the player. The described texts are the message ids of the
// "korvane" gettext domain; a language is a catalogue of it. Without a chosen language the C
// library's own "C" locale stays in force, and gettext gives every id back untouched.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace plateforme {

// The folder of the catalogues beside the game binary: <lang>/LC_MESSAGES/korvane.mo under
// share/locale for an installed tree, under locale/ beside the binary in a build tree.
std::string dossierCatalogues();

// Makes pLangue ("en", "fr", ...) the language of the texts, its catalogue read from pDossier;
// an empty pLangue goes back to the described texts. False, changing nothing, when that
// language has no catalogue there or the C library cannot select it.
bool choisirLangue(std::string_view pLangue, const std::string& pDossier);

// The text of a message id in the chosen language.
const char* traduire(const char* pId);
// The form of a message with a number, by the language's plural rules.
const char* traduirePluriel(const char* pId, const char* pIdPluriel, unsigned long pNombre);

// Fills a message's %d and %s, in order, with pValeurs (the message is checked by msgfmt as a C
// format, so a translation keeps the same ones).
std::string remplir(std::string_view pMessage, std::initializer_list<std::string_view> pValeurs);

}  // namespace plateforme
