#include "skin/data/skin_host.h"

namespace varnelta {

namespace {

struct THostState {
  // A program ends its manager itself (DestroySkinManager). One still alive when the process's
  // static objects go is left to the system: it would otherwise outlive the timers and windows
  // it uses, whose own static objects may already be gone.
  ~THostState() { (void)Manager.release(); }
  std::unique_ptr<ISkinManager> Manager;
  TSkinManagerFactory Factory;
  const ISkinEnvironment* Environment = nullptr;
};

THostState& Host() {
  static THostState state;
  return state;
}

}  // namespace

ISkinManager* SkinManager() { return Host().Manager.get(); }

ISkinManager* EnsureSkinManager() {
  THostState& host = Host();
  if (!host.Manager && host.Factory) host.Manager = host.Factory();
  return host.Manager.get();
}

void DestroySkinManager() {
  // The pointer is cleared before the manager's destructor runs, so nothing reached from it
  // finds a manager being destroyed.
  std::unique_ptr<ISkinManager> manager = std::move(Host().Manager);
  manager.reset();
}

void SetSkinManagerFactory(TSkinManagerFactory factory) { Host().Factory = std::move(factory); }

const ISkinEnvironment& SkinEnvironment() {
  static const TFixedSkinEnvironment fixed;
  const ISkinEnvironment* installed = Host().Environment;
  return installed ? *installed : fixed;
}

void SetSkinEnvironment(const ISkinEnvironment* environment) { Host().Environment = environment; }

}  // namespace varnelta
