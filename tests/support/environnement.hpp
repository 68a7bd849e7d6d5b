#pragma once
// Sets (or, given null, unsets) an environment variable for the life of the object, then puts
// back what was there.

#include <cstdlib>
#include <optional>
#include <string>

class Environnement {
 public:
  Environnement(const char* pNom, const char* pValeur) : nom_(pNom) {
    const char* avant = std::getenv(pNom);
    if (avant != nullptr) avant_ = avant;
    definir(pValeur);
  }
  ~Environnement() { definir(avant_ ? avant_->c_str() : nullptr); }
  Environnement(const Environnement&) = delete;
  Environnement& operator=(const Environnement&) = delete;

 private:
  void definir(const char* pValeur) const {
    pValeur != nullptr ? ::setenv(nom_, pValeur, 1) : ::unsetenv(nom_);
  }
  const char* nom_;
  std::optional<std::string> avant_;
};
