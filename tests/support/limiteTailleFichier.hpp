#pragma once
// Makes every write past pOctets bytes of a file fail for the life of the object, whoever runs
// the tests (root included): the way to make a rewrite fail half way.

#include <sys/resource.h>

#include <csignal>

class LimiteTailleFichier {
 public:
  explicit LimiteTailleFichier(rlim_t pOctets) : signalAvant_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &avant_);
    rlimit reduite = avant_;
    reduite.rlim_cur = pOctets;
    actif_ = ::setrlimit(RLIMIT_FSIZE, &reduite) == 0;
  }
  ~LimiteTailleFichier() {
    ::setrlimit(RLIMIT_FSIZE, &avant_);
    std::signal(SIGXFSZ, signalAvant_);
  }
  LimiteTailleFichier(const LimiteTailleFichier&) = delete;
  LimiteTailleFichier& operator=(const LimiteTailleFichier&) = delete;

  bool actif() const { return actif_; }

 private:
  void (*signalAvant_)(int);
  rlimit avant_{};
  bool actif_ = false;
};
