// DriverExport.h: marks what the shared driver library lets programs and
// libraries above it reach; everything else in it stays hidden.
#pragma once

#define KESH_EXPORT_CPP __attribute__((visibility("default")))
