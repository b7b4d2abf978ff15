# The sources of the data unit, for the builds that compile them with flags of their own (the fuzz
# targets) as well as for the library beside this file.
set(ARMALYX_PRODUCTION_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ARMALYX_PRODUCTION_SOURCES
  DataFileReader.cpp
  DataSources.cpp
  Derivations.cpp
  DisplayText.cpp
  Estimates.cpp
  PlatformFile.cpp
  StockStrengths.cpp
  TDataFile.cpp
  TInOutError.cpp
  TLineAccount.cpp
  TLineEcho.cpp
  TLineParser.cpp
  TNumberField.cpp
  TProductionStore.cpp
  TReadReport.cpp
  TSourceComment.cpp
  TSourceTable.cpp
  TStockLineReader.cpp
  TVehicleIndex.cpp
  TVehicleName.cpp
  Windows1252.cpp)
list(TRANSFORM ARMALYX_PRODUCTION_SOURCES PREPEND ${ARMALYX_PRODUCTION_DIR}/)
