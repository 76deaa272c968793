#include "service/ServiceUnits.h"

#include "service/GenericAPI.h"
#include "service/GenericNetAPI.h"
#include "service/GenericShellAPI.h"
#include "service/ZorbitConfig.h"
#include "service/tcpClient.h"

namespace zorbit {

void InitializeServiceUnits() {
  InitializeGenericShellAPI();
  InitializeGenericAPI();
  InitializeZorbitConfig();
  InitializeGenericNetAPI();
  InitializeTcpClient();
}

void FinalizeServiceUnits() {
  FinalizeTcpClient();
  FinalizeGenericNetAPI();
  FinalizeZorbitConfig();
  FinalizeGenericAPI();
  FinalizeGenericShellAPI();
}

}  // namespace zorbit
