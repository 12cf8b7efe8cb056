; The Windows installer: per user (no administrator), a Start-menu entry with the icon, an
; uninstaller registered under Apps, and nothing left behind on uninstall.
; makensis -DVERSION=0.9.0 -DBUILD=<folder with the programs> -DOUT=<setup.exe> quorvel.nsi
Unicode true
Target amd64-unicode
ManifestDPIAware true
; A manifest that binds common controls 6 from the system: a COMCTL32.dll planted beside the
; installer (a downloads folder) or the uninstaller is never loaded.
XPStyle on
SetCompressor /SOLID lzma
!include "FileFunc.nsh"

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"

Name "Quorvel ${VERSION}"
OutFile "${OUT}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Quorvel"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
Icon "${BUILD}\quorvel.ico"
UninstallIcon "${BUILD}\quorvel.ico"
BrandingText "Quorvel ${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quorvel"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${BUILD}\quorvel.exe"
    File "${BUILD}\quorvel-calc.exe"
    File "${BUILD}\README.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Quorvel.lnk" "$INSTDIR\quorvel.exe" "" "$INSTDIR\quorvel.exe" 0 \
        SW_SHOWNORMAL "" "Hedge calculator for betting-exchange traders"
    CreateShortCut "$SMPROGRAMS\Quorvel Market.lnk" "$INSTDIR\quorvel.exe" "--market" \
        "$INSTDIR\quorvel.exe" 0 SW_SHOWNORMAL "" "A whole market: every runner's P/L, greened at one key"
    CreateShortCut "$SMPROGRAMS\Quorvel Offers.lnk" "$INSTDIR\quorvel.exe" "--offers" \
        "$INSTDIR\quorvel.exe" 0 SW_SHOWNORMAL "" "Free bets, each-way bets and accumulators laid exactly"
    WriteRegStr HKCU "${KEY}" "DisplayName" "Quorvel"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "Publisher" "The Quorvel developers"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\quorvel.exe,0"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
    ; What is installed, in KB, as Apps shows it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\quorvel.exe"
    Delete "$INSTDIR\quorvel-calc.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Quorvel.lnk"
    Delete "$SMPROGRAMS\Quorvel Market.lnk"
    Delete "$SMPROGRAMS\Quorvel Offers.lnk"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
