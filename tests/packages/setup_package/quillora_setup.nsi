; The Quillora setup package for tests and the demo: a silent NSIS installer
; that speaks the installer's console protocol on its standard output.
;
; Installs into the folder given by "-instdir=" or "/D=" (else
; $PROGRAMFILES\Quillora): Quillora.exe (the product), readme.txt,
; assets.pak (incompressible data that makes the package larger than the
; 1 MiB the single-connection downloader requires),
; uninst.exe and its copy uninst.ep (the uninstaller marker the installer
; runs to remove this installation), and install_options.ini recording, in
; section [Options], the switches the package was given ("-dsc=true" as
; dsc=true).
;
; Switches besides the installer's own, for tests (through InstCmd):
;   -result=fail              print an error and "State=Fail" instead of installing
;   -startupstyle=NAME        the "StartupStyle=" word to print (default UserStartup)
;   -isoverride=VALUE         write [Uninstall] IsOverride=VALUE into set.ini
;
; Built by CMake: makensis -DPRODUCT_EXE=... -DREADME=... -DASSETS=... -DOUTFILE=...
; -DTARGET=x86-unicode|amd64-unicode

Unicode true
!ifdef TARGET
Target ${TARGET}
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
Name "Quillora"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Quillora"
SilentInstall silent
SilentUnInstall silent

!include "FileFunc.nsh"
!include "LogicLib.nsh"

Var Console
Var Options

; One protocol line on standard output. FileWrite writes the text in the
; ANSI code page, which the installer decodes by default.
!macro Say text
    FileWrite $Console "${text}$\r$\n"
!macroend

!macro OpenConsole
    System::Call 'kernel32::GetStdHandle(i -11) p .s'
    Pop $Console
    ${GetParameters} $Options
!macroend

; The value of switch ${name} in $Options, without surrounding quotes, into
; ${result}; empty when the switch is missing.
!macro Option name result
    ClearErrors
    ${GetOptions} $Options "${name}" ${result}
    ${If} ${Errors}
        StrCpy ${result} ""
    ${EndIf}
!macroend

Function .onInit
    !insertmacro OpenConsole
    !insertmacro Option "-instdir=" $0
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Function RecordOptions
    ${ForEach} $1 0 5 + 1
        ${Select} $1
            ${Case} 0
                StrCpy $2 "-adminact="
            ${Case} 1
                StrCpy $2 "-authorizationact="
            ${Case} 2
                StrCpy $2 "-dsc="
            ${Case} 3
                StrCpy $2 "-ssc="
            ${Case} 4
                StrCpy $2 "-version="
            ${Case} 5
                StrCpy $2 "-console="
        ${EndSelect}
        !insertmacro Option $2 $0
        ; The switch's name without "-" and "=" is the key: "-dsc=" gives "dsc".
        StrCpy $3 $2 -1 1
        WriteINIStr "$INSTDIR\install_options.ini" "Options" $3 $0
    ${Next}
FunctionEnd

Section "Install"
    !insertmacro Say "Progress=0.1"
    !insertmacro Option "-result=" $0
    ${If} $0 == "fail"
        !insertmacro Say "Error=安装包被要求失败"
        !insertmacro Say "State=Fail"
        Abort
    ${EndIf}

    ClearErrors
    SetOutPath "$INSTDIR"
    ${If} ${Errors}
        !insertmacro Say "Error=无法创建安装目录 $INSTDIR"
        !insertmacro Say "State=Fail"
        Abort
    ${EndIf}
    !insertmacro Say "InstPath=$INSTDIR"
    !insertmacro Say "InstallVersion=1.0.0"

    ClearErrors
    File "/oname=Quillora.exe" "${PRODUCT_EXE}"
    !insertmacro Say "Progress=0.4"
    File "/oname=readme.txt" "${README}"
    File "/oname=assets.pak" "${ASSETS}"
    Call RecordOptions
    !insertmacro Option "-isoverride=" $0
    ${If} $0 != ""
        WriteINIStr "$INSTDIR\set.ini" "Uninstall" "IsOverride" $0
    ${EndIf}
    !insertmacro Say "Progress=0.7"
    WriteUninstaller "$INSTDIR\uninst.exe"
    CopyFiles /SILENT "$INSTDIR\uninst.exe" "$INSTDIR\uninst.ep"
    ${If} ${Errors}
        !insertmacro Say "Error=无法写入安装文件"
        !insertmacro Say "State=Fail"
        Abort
    ${EndIf}

    !insertmacro Say "Progress=1"
    !insertmacro Say "ExePath=$INSTDIR\Quillora.exe"
    !insertmacro Say "UninstExePath=$INSTDIR\uninst.exe"
    !insertmacro Say "UninstEp=$INSTDIR\uninst.ep"
    !insertmacro Option "-startupstyle=" $0
    ${If} $0 == ""
        StrCpy $0 "UserStartup"
    ${EndIf}
    !insertmacro Say "StartupStyle=$0"
    !insertmacro Say "State=Success"
SectionEnd

Function un.onInit
    !insertmacro OpenConsole
FunctionEnd

; $INSTDIR is the folder given with "_?=": the uninstaller runs from a copy
; outside it, so it can remove every file, itself included.
Section "Uninstall"
    !insertmacro Say "Progress=0.2"
    Delete "$INSTDIR\Quillora.exe"
    ${If} ${FileExists} "$INSTDIR\Quillora.exe"
        !insertmacro Say "Error=Quillora正在运行"
        !insertmacro Say "State=Fail"
        Abort
    ${EndIf}
    !insertmacro Say "Progress=0.6"
    Delete "$INSTDIR\Quillora.started"
    Delete "$INSTDIR\readme.txt"
    Delete "$INSTDIR\assets.pak"
    Delete "$INSTDIR\install_options.ini"
    Delete "$INSTDIR\set.ini"
    Delete "$INSTDIR\uninst.ep"
    Delete "$INSTDIR\uninst.exe"
    RMDir "$INSTDIR"
    !insertmacro Say "Progress=1"
    !insertmacro Say "State=Success"
SectionEnd
