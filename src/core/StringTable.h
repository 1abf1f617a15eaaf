// StringTable.h: looks up the user-visible texts by number, so that every
// window, message and output takes its words from one table.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace strings {

constexpr int kProtocolPane = 102;
constexpr int kBaudRatePane = 104;
constexpr int kFramePane = 109;
constexpr int kRestartToChangeLanguage = 119;
constexpr int kAppTitle = 128;
constexpr int kDocumentKind = 130;
constexpr int kDeviceError = 5000;
constexpr int kCannotRunDevice = 5001;
constexpr int kAutoStopFailed = 5002;
constexpr int kAutoNothingToTransmit = 5003;
constexpr int kAutoStartFailed = 5004;
constexpr int kAutoItemLimit = 5009;
constexpr int kAutoDownloadFailed = 5010;
constexpr int kAutoNothingToDownload = 5011;
constexpr int kAutoTimingRange = 5024;
constexpr int kDeviceCommunicationError = 5025;
constexpr int kSetupFailed = 5026;
constexpr int kCloseOldDocument = 5027;
constexpr int kSelectProtocol = 5028;
constexpr int kManualSendFailedFirst = 5078;
constexpr int kManualSendFailedSecond = 5079;
constexpr int kNoPrinterContext = 5088;
constexpr int kOpenFileError = 5089;
constexpr int kRemoteFrame = 6001;
constexpr int kStandardFrames = 6002;
constexpr int kExtendedFrames = 6003;
constexpr int kExportHeadingCan = 6004;
constexpr int kExportHeadingDeviceNet = 6005;
constexpr int kExportHeadingCanopen = 6006;
constexpr int kProgressSaving = 7000;
constexpr int kProgressLoading = 7001;
constexpr int kProgressExporting = 7002;
constexpr int kExportTitleLine = 7003;
constexpr int kPrintHeadingCan = 7007;
constexpr int kPrintHeadingDeviceNet = 7008;
constexpr int kPrintHeadingCanopen = 7009;
constexpr int kPrintTitle = 7010;
constexpr int kExportDateTime = 7005;
constexpr int kExportMessageAmount = 7006;
constexpr int kExportEnd = 7011;
constexpr int kHelpFileName = 8000;
constexpr int kHelpFileError = 8001;
constexpr int kCopyRows = 9100;
constexpr int kSelectAllRows = 9101;
constexpr int kRowName = 9102;
constexpr int kFontDialogTitle = 9103;
constexpr int kTextColour = 9104;

// Menus of the main window: 9200 to 9242 in menu order.
constexpr int kMenuFile = 9200;
constexpr int kMenuNew = 9201;
constexpr int kMenuOpen = 9202;
constexpr int kMenuClose = 9203;
constexpr int kMenuSave = 9204;
constexpr int kMenuSaveAs = 9205;
constexpr int kMenuExport = 9206;
constexpr int kMenuPrint = 9207;
constexpr int kMenuPrintPreview = 9208;
constexpr int kMenuPrintSetup = 9209;
constexpr int kMenuRecentFile = 9210;
constexpr int kMenuExit = 9211;
constexpr int kMenuView = 9212;
constexpr int kMenuToolbar = 9213;
constexpr int kMenuStatusBar = 9214;
constexpr int kMenuZoom = 9215;
constexpr int kMenuOptions = 9216;
constexpr int kMenuSetup = 9217;
constexpr int kMenuDeviceInformation = 9218;
constexpr int kMenuDataList = 9219;
constexpr int kMenuCan = 9220;
constexpr int kMenuDeviceNet = 9221;
constexpr int kMenuCanopen = 9222;
constexpr int kMenuFont = 9223;
constexpr int kMenuGridLines = 9224;
constexpr int kMenuChart = 9225;
constexpr int kMenuChartXT = 9226;
constexpr int kMenuChartYT = 9227;
constexpr int kMenuChartXY = 9228;
constexpr int kMenuFilter = 9229;
constexpr int kMenuLanguage = 9230;
constexpr int kMenuFunctions = 9231;
constexpr int kMenuCapture = 9232;
constexpr int kMenuStop = 9233;
constexpr int kMenuClearAll = 9234;
constexpr int kMenuManualMessage = 9235;
constexpr int kMenuAutoMessage = 9236;
constexpr int kMenuAutoConfigure = 9237;
constexpr int kMenuAutoStart = 9238;
constexpr int kMenuAutoStop = 9239;
constexpr int kMenuHelp = 9240;
constexpr int kMenuHelpTopics = 9241;
constexpr int kMenuAbout = 9242;

constexpr int kIdlePrompt = 9250;
constexpr int kUntitled = 9251;
constexpr int kBaudRateUnknown = 9252;
constexpr int kBaudRateKbps = 9253;
constexpr int kProtocolCan = 9254;
constexpr int kProtocolDeviceNet = 9255;
constexpr int kProtocolCanopen = 9256;
constexpr int kChartFont = 9257;
constexpr int kChartPlaceholder = 9258;
constexpr int kFramesLost = 9259;
constexpr int kOneFrameLost = 9260;

constexpr int kNewTitle = 9300;
constexpr int kNewDisplayMode = 9301;
constexpr int kNewDataList = 9302;
constexpr int kNewCurve = 9303;
constexpr int kButtonOk = 9304;
constexpr int kButtonCancel = 9305;
constexpr int kAboutTitle = 9310;
constexpr int kAboutVersion = 9311;
constexpr int kAboutPurpose = 9312;
constexpr int kAboutAdapter = 9313;
constexpr int kAboutWarranty = 9314;

constexpr int kSetupTitle = 9350;
constexpr int kSetupGroup = 9351;
constexpr int kSetupUsbDevice = 9352;
constexpr int kSetupWorkMode = 9353;
constexpr int kSetupBaudRate = 9354;
constexpr int kSetupFrameType = 9355;
constexpr int kWorkModeAck = 9356;
constexpr int kWorkModeNonAck = 9357;
constexpr int kAdapterModel = 9358;
constexpr int kSetupCaption = 9359;
constexpr int kSettingsNotSaved = 9360;
constexpr int kSettingsSavedElsewhere = 9361;
constexpr int kSetupRefused = 9362;

// The Device Information dialog.
constexpr int kDeviceInfoTitle = 9800;
constexpr int kDeviceInfoGroup = 9801;
constexpr int kDeviceInfoStatus = 9802;
constexpr int kDeviceInfoBaudRate = 9803;
constexpr int kDeviceInfoFirmware = 9804;
constexpr int kDeviceRunning = 9805;
constexpr int kDeviceStopped = 9806;

// The Print Preview window.
constexpr int kPreviewTitle = 9840;
constexpr int kPreviewPrint = 9841;
constexpr int kPreviewFirst = 9842;
constexpr int kPreviewPrevious = 9843;
constexpr int kPreviewNext = 9844;
constexpr int kPreviewLast = 9845;
constexpr int kPreviewPage = 9846;
constexpr int kPreviewPageCount = 9847;
constexpr int kPreviewFitWidth = 9848;
constexpr int kPreviewFitPage = 9849;
constexpr int kPreviewZoomIn = 9850;
constexpr int kPreviewZoomOut = 9851;
constexpr int kPreviewZoomPercent = 9852;
constexpr int kPreviewClose = 9853;

// File > Print Setup and the progress window of a long print run.
constexpr int kPrintSetupTitle = 9860;
constexpr int kProgressPrinting = 9861;

constexpr int kNotACaptureFile = 9410;
constexpr int kDamagedFile = 9411;
constexpr int kCannotReadFile = 9412;
constexpr int kCannotSaveFile = 9413;
constexpr int kSaveChanges = 9414;
constexpr int kErrorCaption = 9420;
constexpr int kProgressText = 9421;
constexpr int kTextFilesFilter = 9422;
constexpr int kAllFilesFilter = 9423;
constexpr int kCandumpFilesFilter = 9424;
constexpr int kCaptureFilesFilter = 9425;
constexpr int kExportNameCan = 9426;
constexpr int kExportNameDeviceNet = 9427;
constexpr int kExportNameCanopen = 9428;

// The Manual Message dialog; the captions of its two send failures differ in
// case.
constexpr int kManualSendFailedCaptionFirst = 9500;
constexpr int kManualSendFailedCaptionSecond = 9501;
constexpr int kManualTitle = 9502;
constexpr int kManualBuffer1 = 9503;
constexpr int kManualBuffer2 = 9504;
constexpr int kManualFormat = 9505;
constexpr int kManualHex = 9506;
constexpr int kManualDecimal = 9507;
constexpr int kManualIdentifier = 9508;
constexpr int kManualFrame = 9509;
constexpr int kManualDataFrame = 9510;
constexpr int kManualRemoteFrame = 9511;
constexpr int kManualSize = 9512;
constexpr int kManualData = 9513;
constexpr int kManualSendBuffer1 = 9514;
constexpr int kManualSendBuffer2 = 9515;

// The Configure Automation Message dialog (its list headers: transmit/AutoItemRows.h).
constexpr int kAutoTitle = 9550;
constexpr int kAutoCanData = 9551;
constexpr int kAutoFormat = 9552;
constexpr int kAutoHex = 9553;
constexpr int kAutoDecimal = 9554;
constexpr int kAutoIdentifier = 9555;
constexpr int kAutoFrame = 9556;
constexpr int kAutoDataFrame = 9557;
constexpr int kAutoRemoteFrame = 9558;
constexpr int kAutoSize = 9559;
constexpr int kAutoData = 9560;
constexpr int kAutoAdd = 9561;
constexpr int kAutoEdit = 9562;
constexpr int kAutoDelete = 9563;
constexpr int kAutoItemLimitNote = 9564;
constexpr int kAutoParameters = 9565;
constexpr int kAutoInterval = 9566;
constexpr int kAutoCycle = 9567;
constexpr int kAutoDownload = 9568;

// The filter dialogs' condition lists: the Protocol column and its words.
constexpr int kConditionListProtocol = 2019;
constexpr int kFilterProtocolCan = 9600;
constexpr int kFilterProtocolDeviceNet = 9601;
constexpr int kFilterProtocolCanopen = 9602;
constexpr int kFilterConditions = 9603;
constexpr int kFilterAddDuplicateCan = 5047;
constexpr int kFilterEditDuplicateCan = 5048;

// The CAN filter dialog and its Advanced Identifier dialog.
constexpr int kCanFilterTitle = 9610;
constexpr int kCanFilterGroup = 9611;
constexpr int kCanFilterIdentifier = 9612;
constexpr int kCanFilterAll = 9613;
constexpr int kCanFilterAdvanced = 9614;
constexpr int kCanFilterCustom = 9615;
constexpr int kCanFilterAdvancedButton = 9616;
constexpr int kCanFilterFrame = 9617;
constexpr int kCanFilterDataFrame = 9618;
constexpr int kCanFilterRemoteFrame = 9619;
constexpr int kCanFilterFormat = 9620;
constexpr int kCanFilterHex = 9621;
constexpr int kCanFilterDecimal = 9622;
constexpr int kCanFilterMode = 9623;
constexpr int kCanFilterShow = 9624;
constexpr int kCanFilterHide = 9625;
constexpr int kCanFilterSize = 9626;
constexpr int kCanFilterData = 9627;
constexpr int kCanFilterAdd = 9628;
constexpr int kCanFilterEdit = 9629;
constexpr int kCanFilterDelete = 9630;
constexpr int kAdvancedIdTitle = 9650;
constexpr int kAdvancedIdBit = 9651;
constexpr int kAdvancedIdValue = 9652;

// The CANopen filter dialog: its messages (the data-byte refusals are with
// the entry fields' below), then its captions. 5038 and 5040 hold a printf
// conversion for the field's limit.
constexpr int kCanopenFilterDuplicateAdd = 5029;
constexpr int kCanopenFilterCobIdRangeHex = 5034;
constexpr int kCanopenFilterCobIdRangeDecimal = 5036;
constexpr int kCanopenFilterIdRangeHex = 5038;
constexpr int kCanopenFilterIdCharacterHex = 5039;
constexpr int kCanopenFilterIdRangeDecimal = 5040;
constexpr int kCanopenFilterIdCharacterDecimal = 5041;
constexpr int kCanopenFilterDuplicateEdit = 5042;
constexpr int kCanopenFilterTitle = 9750;
constexpr int kCanopenFilterGroup = 9751;
constexpr int kCanopenFilterMethod1 = 9752;
constexpr int kCanopenFilterCobId = 9753;
constexpr int kCanopenFilterMethod2 = 9754;
constexpr int kCanopenFilterFunctionCode = 9755;
constexpr int kCanopenFilterNodeId = 9756;
constexpr int kCanopenFilterFrame = 9757;
constexpr int kCanopenFilterDataFrame = 9758;
constexpr int kCanopenFilterRemoteFrame = 9759;
constexpr int kCanopenFilterFormat = 9760;
constexpr int kCanopenFilterHex = 9761;
constexpr int kCanopenFilterDecimal = 9762;
constexpr int kCanopenFilterMode = 9763;
constexpr int kCanopenFilterShow = 9764;
constexpr int kCanopenFilterHide = 9765;
constexpr int kCanopenFilterSize = 9766;
constexpr int kCanopenFilterData = 9767;
constexpr int kCanopenFilterAdd = 9768;
constexpr int kCanopenFilterEdit = 9769;
constexpr int kCanopenFilterDelete = 9770;
constexpr int kCanopenFilterAll = 9771;

// The DeviceNet filter dialog: its messages, the long descriptions of its
// condition list (beside the data list's short ones), then its captions,
// the Method 2 entries (9719 + entry) and the words of its list.
constexpr int kDeviceNetFilterDuplicateAdd = 5068;
constexpr int kDeviceNetFilterDuplicateEdit = 5069;
constexpr int kDeviceNetFilterMacRangeHex = 5070;
constexpr int kDeviceNetFilterMacCharacterHex = 5071;
constexpr int kDeviceNetFilterMacRangeDecimal = 5072;
constexpr int kDeviceNetFilterMacCharacterDecimal = 5073;
constexpr int kDeviceNetFilterDescriptions = 6122;
constexpr int kDeviceNetFilterTitle = 9700;
constexpr int kDeviceNetFilterConditionBox = 9701;
constexpr int kDeviceNetFilterMacId = 9702;
constexpr int kDeviceNetFilterSourceId = 9703;
constexpr int kDeviceNetFilterDestinationId = 9704;
constexpr int kDeviceNetFilterFormat = 9705;
constexpr int kDeviceNetFilterHex = 9706;
constexpr int kDeviceNetFilterDecimal = 9707;
constexpr int kDeviceNetFilterMode = 9708;
constexpr int kDeviceNetFilterShow = 9709;
constexpr int kDeviceNetFilterHide = 9710;
constexpr int kDeviceNetFilterMethod1 = 9711;
constexpr int kDeviceNetFilterGroup = 9712;
constexpr int kDeviceNetFilterMessageId = 9713;
constexpr int kDeviceNetFilterMethod2 = 9714;
constexpr int kDeviceNetFilterAdd = 9715;
constexpr int kDeviceNetFilterEdit = 9716;
constexpr int kDeviceNetFilterDelete = 9717;
constexpr int kDeviceNetFilterAll = 9718;
constexpr int kDeviceNetFilterEntries = 9719;
constexpr int kDeviceNetFilterNotApplicable = 9736;
constexpr int kDeviceNetFilterInvalid = 9737;
constexpr int kDeviceNetFilterInvalidCan = 9738;
constexpr int kDeviceNetFilterInvalidCanopen = 9739;

// The entry fields' refusals, per dialog; fields/FieldMessages.h groups them.
constexpr int kAutoByteRangeHex = 5005;
constexpr int kAutoByteCharacterHex = 5006;
constexpr int kAutoByteRangeDecimal = 5007;
constexpr int kAutoByteCharacterDecimal = 5008;
constexpr int kAutoIdStandardRangeHex = 5016;
constexpr int kAutoIdExtendRangeHex = 5017;
constexpr int kAutoIdCharacterHex = 5018;
constexpr int kAutoIdLengthHex = 5019;
constexpr int kAutoIdStandardRangeDecimal = 5020;
constexpr int kAutoIdExtendRangeDecimal = 5021;
constexpr int kAutoIdCharacterDecimal = 5022;
constexpr int kAutoIdLengthDecimal = 5023;
constexpr int kCanopenFilterByteRangeHex = 5030;
constexpr int kCanopenFilterByteCharacterHex = 5031;
constexpr int kCanopenFilterByteRangeDecimal = 5032;
constexpr int kCanopenFilterByteCharacterDecimal = 5033;
constexpr int kCanFilterByteRangeHex = 5043;
constexpr int kCanFilterByteCharacterHex = 5044;
constexpr int kCanFilterByteRangeDecimal = 5045;
constexpr int kCanFilterByteCharacterDecimal = 5046;
constexpr int kCanFilterIdStandardRangeHex = 5053;
constexpr int kCanFilterIdExtendRangeHex = 5054;
constexpr int kCanFilterIdCharacterHex = 5055;
constexpr int kCanFilterIdLengthHex = 5056;
constexpr int kCanFilterIdStandardRangeDecimal = 5057;
constexpr int kCanFilterIdExtendRangeDecimal = 5058;
constexpr int kCanFilterIdCharacterDecimal = 5059;
constexpr int kCanFilterIdLengthDecimal = 5060;
constexpr int kManualByteRangeHex = 5074;
constexpr int kManualByteCharacterHex = 5075;
constexpr int kManualByteRangeDecimal = 5076;
constexpr int kManualByteCharacterDecimal = 5077;
constexpr int kManualIdStandardRangeHex = 5080;
constexpr int kManualIdExtendRangeHex = 5081;
constexpr int kManualIdCharacterHex = 5082;
constexpr int kManualIdLengthHex = 5083;
constexpr int kManualIdStandardRangeDecimal = 5084;
constexpr int kManualIdExtendRangeDecimal = 5085;
constexpr int kManualIdCharacterDecimal = 5086;
constexpr int kManualIdLengthDecimal = 5087;

// The text of `number`. Asking for a number the table lacks is a
// programming error: it asserts, and answers an empty text in release builds.
std::string_view text(int number);

// The program's own text of `number`, whatever module is in use.
std::string_view baseText(int number);

// `pattern` with %1, %2, ... replaced by `arguments` in order.
std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The text of `number` with %1, %2, ... replaced by `arguments` in order.
std::string format(int number, std::initializer_list<std::string_view> arguments);

// Whether the table has an entry for `number`.
bool contains(int number);

// Every number of the table, ascending: what a language module translates.
std::vector<int> numbers();

// A language module's texts by number, which text() answers from then on
// in place of the base texts; a number the module lacks keeps its base
// text. Called at start-up, before any other thread reads the table; an
// empty list goes back to the base texts.
void useTranslations(std::vector<std::pair<int, std::string>> texts);

}  // namespace strings
