--------t-2D--01--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - GET PRIVATE ENTRY POINT
	AL = 01h
	AH = multiplex number
Return:	AL = 00h if not supported
	AL = FFh if supported: DX:BX -> entry point for bypassing interrupt
	  chain
SeeAlso: AL=00h

--------t-2D--02--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - UNINSTALL
	AL = 02h
	AH = multiplex number
	DX:BX -> return address for a successful uninstall (may be ignored)
Return:	AL = status: 00h not implemented, 01h unsuccessful, 02h cannot do
	  now but will later, 03h safe to remove but no resident uninstaller,
	  04h-FEh removed, FFh successful
SeeAlso: AL=00h,AL=04h

--------t-2D--04--------------------------------------------
INT 2D - ALTERNATE MULTIPLEX INTERRUPT - DETERMINE CHAINED INTERRUPTS
	AL = 04h
	AH = multiplex number
	BL = interrupt number (except 2Dh)
Return:	AL = status: 00h not implemented, 01h (obsolete) unable to tell,
	  02h (obsolete) hooked, 03h (obsolete) hooked with new-style
	  hooks, 04h DX:BX -> list of hooked interrupts
Note:	the list has three-byte entries (interrupt number, offset of the
	  handler) and ends with interrupt 2Dh
SeeAlso: AL=02h

--------D-2E------------------------------------------------
INT 2E U - DOS 2+ - PASS COMMAND TO COMMAND INTERPRETER FOR EXECUTION
	DS:SI -> command line: count byte, text, CR
Return:	all registers except CS:IP destroyed
	AX = status (4DOS and later versions of COMMAND.COM)
Notes:	runs the command in the copy of COMMAND.COM loaded first, not in a
	  new one; changes to the environment affect that master copy
	batch files run this way cannot be interrupted safely
SeeAlso: INT 21/AX=4B00h,INT 2F/AX=AE00h

--------P-2F0100--------------------------------------------
INT 2F - DOS 3.0+ PRINT - INSTALLATION CHECK
	AX = 0100h
Return:	AL = status: 00h not installed, OK to install; 01h not installed,
	  not OK to install; FFh installed
Note:	AH values 00h-BFh of this interrupt belong to the operating system;
	  C0h-FFh are free for applications
SeeAlso: AX=0101h,INT 2D/AL=00h

--------P-2F0101--------------------------------------------
INT 2F - DOS 3.0+ PRINT - SUBMIT FILE FOR PRINTING
	AX = 0101h
	DS:DX -> submit packet: BYTE level (0), DWORD pointer to ASCIZ filename
Return:	CF clear if successful
	CF set on error: AX = error code (01h, 02h, 03h, 04h, 05h, 08h, 0Ch)
Note:	the filename may not contain wildcards
SeeAlso: AX=0100h,AX=0102h

--------f-2F0600--------------------------------------------
INT 2F - DOS 3.2+ ASSIGN - INSTALLATION CHECK
	AX = 0600h
Return:	AL = 00h not installed, FFh installed
SeeAlso: AX=0601h

--------f-2F1000--------------------------------------------
INT 2F - SHARE - INSTALLATION CHECK
	AX = 1000h
Return:	AL = 00h not installed, 01h not installed but not OK to install,
	  FFh installed
Note:	DOS 4.0 loads SHARE itself for large partitions
SeeAlso: INT 21/AH=5Ch

--------N-2F1100--------------------------------------------
INT 2F - NETWORK REDIRECTOR - INSTALLATION CHECK
	AX = 1100h
Return:	AL = 00h not installed, 01h not OK to install, FFh installed
Notes:	the redirector interface (AX=1101h-1130h) is how network clients
	  and CD-ROM extensions become DOS drives
	DOS calls these functions for every file operation on a remote drive
SeeAlso: AX=1116h,INT 21/AX=5F02h

--------N-2F1116--------------------------------------------
INT 2F U - NETWORK REDIRECTOR - OPEN EXISTING REMOTE FILE
	AX = 1116h
	ES:DI -> uninitialized system file table entry for the file
	SS = DOS data segment
	[SP+4] = new open mode
Return:	CF set on error: AX = DOS error code
	CF clear if successful: the SFT entry is filled
SeeAlso: AX=1100h,INT 21/AH=3Dh

--------D-2F1200--------------------------------------------
INT 2F U - DOS 3.0+ internal - INSTALLATION CHECK
	AX = 1200h
Return:	AL = FFh (for compatibility; DOS is always present)
Note:	the 12xxh calls give resident code access to DOS internals; they
	  change between versions and need care
! this sample lists only a few of them
SeeAlso: AX=1216h

--------D-2F1216--------------------------------------------
INT 2F U - DOS 3.0+ internal - GET ADDRESS OF SYSTEM FILE TABLE ENTRY
	AX = 1216h
	BX = system file table entry number
Return:	CF clear if successful: ES:DI -> the entry
	CF set if BX is larger than the number of entries
SeeAlso: INT 21/AH=52h

--------D-2F1400--------------------------------------------
INT 2F - NLSFUNC - INSTALLATION CHECK
	AX = 1400h
Return:	AL = 00h not installed, FFh installed
Note:	NLSFUNC loads the country information that INT 21/AH=38h and
	  AH=65h return for code pages other than the boot one
SeeAlso: INT 21/AH=38h

--------T-2F1600--------------------------------------------
INT 2F - TASKHOP task switcher - COMPATIBILITY PROBE
	AX = 1600h
Return:	AL = 00h if TASKHOP is not resident
	AL = 7Fh if TASKHOP is resident, BX = segment of its data
Program:	TASKHOP is a made-up task switcher for this sample; it answers this
	  call so that programs asking "is Windows running?" behave as they
	  would under a real switcher
Note:	this entry shares its function number with the Windows check below;
	  which of them answers depends on load order
SeeAlso: AX=1600h"Windows",AX=4B02h

--------W-2F1600--------------------------------------------
INT 2F - MS Windows - WINDOWS ENHANCED MODE INSTALLATION CHECK
	AX = 1600h
Return:	AL = 00h neither Windows 3.x enhanced mode nor Windows/386 2.x
	  running
	AL = 01h or FFh Windows/386 2.x running
	AL = 80h neither of them running, but an XMS driver handles the call
	AL = major version (03h, 04h) of enhanced-mode Windows
	AH = minor version
Note:	standard and real mode Windows do not answer; use AX=4680h for them
SeeAlso: AX=1605h,AX=160Ah,AX=1683h

--------W-2F1605--------------------------------------------
INT 2F C - MS Windows - WINDOWS ENHANCED MODE & 286 DOSX INIT BROADCAST
	AX = 1605h
	ES:BX = 0000h:0000h
	DS:SI = 0000h:0000h
	CX = 0000h
	DX = flags: bit 0 clear for enhanced mode, set for standard mode
	DI = version number (0300h for 3.00)
Return:	CX = 0000h if OK for Windows to load, nonzero to refuse
	ES:BX -> startup info structure chained by each TSR
	DS:SI -> virtual-8086 mode enable/disable callback (for memory
	  managers)
Note:	a TSR that receives this call must chain to the previous handler
	  before filling in its own structure
SeeAlso: AX=1608h

--------W-2F1680--------------------------------------------
INT 2F - MS Windows, DPMI, various - RELEASE CURRENT VIRTUAL MACHINE TIME-SLICE
	AX = 1680h
Return:	AL = 00h if the call is supported
	AL = 80h (unchanged) if not supported
Note:	programs that wait in a loop for a key or an event should call
	  this, because it tells the multitasker that the rest of the time
	  slice is not needed
SeeAlso: INT 15/AX=1000h,INT 28,INT 7A/BX=000Ah

--------W-2F1683--------------------------------------------
INT 2F - MS Windows 3+ - GET CURRENT VIRTUAL MACHINE ID
	AX = 1683h
Return:	BX = current virtual machine ID
Note:	Windows itself runs in the system VM, whose ID is 0001h
SeeAlso: AX=1684h/BX=0021h

--------W-2F1684BX0021--------------------------------------
INT 2F P - MS Windows - GET DEVICE API ENTRY POINT - PAGEFILE
	AX = 1684h
	BX = 0021h (virtual device ID of the paging file device)
	ES:DI = 0000h:0000h
Return:	ES:DI -> VxD API entry point, or 0:0 if the VxD has no API for the
	  current mode
Note:	the same call with other BX values gives the entry points of other
	  virtual devices
SeeAlso: AX=1683h,AX=1684h/BX=0001h

--------E-2F1687--------------------------------------------
INT 2F - DOS Protected-Mode Interface - INSTALLATION CHECK
	AX = 1687h
Return:	AX = 0000h if installed
	    BX = flags: bit 0 32-bit programs supported
	    CL = processor type (02h 80286, 03h 80386, 04h 80486)
	    DH = DPMI major version
	    DL = DPMI minor version (binary)
	    SI = number of paragraphs of DOS memory needed for private data
	    ES:DI -> DPMI mode-switch entry point
	AX <> 0000h if not installed
Note:	the caller allocates SI paragraphs, puts their segment in ES, sets
	  AX bit 0 for a 32-bit client and calls the entry point to enter
	  protected mode
SeeAlso: INT 31/AX=0400h,INT 31/AX=0000h

--------W-2F168F--------------------------------------------
INT 2F - Windows95 - CLOSE-AWARENESS - ENABLE/DISABLE CLOSE COMMAND
	AX = 168Fh
	DH = 00h
	DL = 00h disable, 01h enable
Return:	AX = 0000h if successful
Note:	a DOS program that enables the close command must poll with
	  DH = 01h to learn when the user has asked it to quit
SeeAlso: AX=1680h

--------W-2F1700--------------------------------------------
INT 2F - MS Windows/WINOLDAP - IDENTIFY WinOldAp VERSION
	AX = 1700h
Return:	AX = 1700h if this version of WINOLDAP does not support the
	  clipboard
	AX <> 1700h: AL = major version, AH = minor version

--------W-2F1703--------------------------------------------
INT 2F - MS Windows/WINOLDAP - SET CLIPBOARD DATA
	AX = 1703h
	DX = format: 01h text, 02h bitmap, 07h OEM text, 08h device
	  independent bitmap
	ES:BX -> data
	SI:CX = size of data in bytes
Return:	AX = 0000h error, nonzero if successful
SeeAlso: AX=1705h

--------V-2F1A00--------------------------------------------
INT 2F - DOS 4.0+ ANSI.SYS - INSTALLATION CHECK
	AX = 1A00h
Return:	AL = FFh if installed
Note:	some third-party console drivers also answer this
SeeAlso: AX=1A01h

--------m-2F4300--------------------------------------------
INT 2F - EXTENDED MEMORY MANAGER (XMS) - INSTALLATION CHECK
	AX = 4300h
Return:	AL = 80h XMS driver installed
	AL <> 80h no driver
SeeAlso: AX=4310h,INT 15/AH=88h

--------m-2F4310--------------------------------------------
INT 2F - EXTENDED MEMORY MANAGER (XMS) - GET DRIVER ADDRESS
	AX = 4310h
Return:	ES:BX -> driver entry point
Notes:	all XMS functions are made by a far call to this entry point with AH
	  holding the function number
	function 00h returns the version, 08h the free memory, 09h allocates a
	  block, 0Bh moves memory and 10h allocates an upper memory block
SeeAlso: AX=4300h,INT 15/AH=87h,INT 67/AH=40h

--------l-2F4800--------------------------------------------
INT 2F - DOSKEY - INSTALLATION CHECK
	AX = 4800h
Return:	AL = 00h not installed, nonzero installed
SeeAlso: AX=4810h

--------l-2F4810--------------------------------------------
INT 2F - DOSKEY - READ INPUT LINE FROM CONSOLE
	AX = 4810h
	DS:DX -> line buffer, formatted as for INT 21/AH=0Ah
Return:	AX = 0000h if successful
Note:	the user gets command history and macro expansion while typing
SeeAlso: AX=4800h,INT 21/AH=0Ah

--------m-2F4A01--------------------------------------------
INT 2F - DOS 5+ - QUERY FREE HMA SPACE
	AX = 4A01h
Return:	BX = number of bytes available in the high memory area (0 if DOS
	  is not using it)
	ES:DI -> start of the free area (FFFFh:FFFFh if none)
SeeAlso: AX=4A02h,AX=4310h

--------m-2F4A02--------------------------------------------
INT 2F - DOS 5+ - ALLOCATE HMA SPACE
	AX = 4A02h
	BX = number of bytes
Return:	ES:DI -> the allocated block (FFFFh:FFFFh on failure)
Note:	the allocation cannot be undone
SeeAlso: AX=4A01h

--------c-2F4A10BX0000--------------------------------------
INT 2F - SMARTDRV v4.00+ - INSTALLATION CHECK AND HIT RATIOS
	AX = 4A10h
	BX = 0000h
	CX = EBABh
Return:	AX = BABEh if loaded
	DX:BP = number of cache hits
	DI:SI = number of cache misses
	BX = number of dirty cache elements
Note:	the CX value keeps other programs on this function from answering
SeeAlso: AX=4A10h/BX=0001h,AX=4A11h/BX=0000h

--------c-2F4A10BX0001--------------------------------------
INT 2F - SMARTDRV v4.00+ - FLUSH BUFFERS (COMMIT CACHE)
	AX = 4A10h
	BX = 0001h
Return:	nothing
Note:	programs call this before rebooting the machine
SeeAlso: AX=4A10h/BX=0000h

--------k-2F4A11BX0000--------------------------------------
INT 2F - DBLSPACE.BIN - GET VERSION NUMBER
	AX = 4A11h
	BX = 0000h
Return:	AX = 0000h if installed
	    BX = 444Dh ("DM")
	    CL = first drive letter used by the compression driver
	    CH = number of drive letters used
	    DX = internal version number (bits 14-0)
SeeAlso: AX=4A11h/BX=0001h

--------k-2F4A11BX0001--------------------------------------
INT 2F - DBLSPACE.BIN - GET DRIVE MAP
	AX = 4A11h
	BX = 0001h
	DL = drive number (0 = A:)
Return:	AX = 0000h if successful
	    BL bit 7 set if the drive is a compressed volume; then bits 6-0
	      give the host drive and BH the sequence number of the volume file
SeeAlso: AX=4A11h/BX=0000h

--------T-2F4B01--------------------------------------------
INT 2F - DOS 5+ TASK SWITCHER - BUILD CALLOUT CHAIN
	AX = 4B01h
	CX:DX -> entry point of the task switcher
	ES:BX = 0000h:0000h
Return:	ES:BX -> first client in the callout chain
Note:	every client that wants to be told about switches adds itself to
	  the chain and passes the call on
SeeAlso: AX=4B02h,AX=4B05h

--------T-2F4B02--------------------------------------------
INT 2F - DOS 5+ TASK SWITCHER - INSTALLATION CHECK
	AX = 4B02h
	BX = 0000h
	ES:DI = 0000h:0000h
Return:	AX = 0000h if a switcher is present, ES:DI -> its entry point
SeeAlso: AX=4B01h,AX=1600h"TASKHOP"

--------T-2F4B05--------------------------------------------
INT 2F - DOS 5+ TASK SWITCHER - IDENTIFY INSTANCE DATA
	AX = 4B05h
	ES:BX = 0000h:0000h
Return:	ES:BX -> chain of instance data structures listing memory areas that
	  must be saved separately for each task
SeeAlso: AX=4B01h

--------K-2FAD80--------------------------------------------
INT 2F - DOS 3.3+ KEYB - INSTALLATION CHECK
	AX = AD80h
Return:	AL = FFh if installed
	    BX = version number (BH = major, BL = minor)
	    ES:DI -> internal data
SeeAlso: AX=AD81h,AX=AD82h

--------K-2FAD81--------------------------------------------
INT 2F - DOS 3.3+ KEYB - SET KEYBOARD CODE PAGE
	AX = AD81h
	BX = code page
Return:	CF set on error: AX = 0001h code page not available
SeeAlso: AX=AD80h

--------K-2FAD82--------------------------------------------
INT 2F - DOS 3.3+ KEYB - SET KEYBOARD MAPPING
	AX = AD82h
	BL = 00h national layout, FFh US layout
Return:	CF set on error
Note:	like pressing Ctrl-Alt-F1 or Ctrl-Alt-F2
SeeAlso: AX=AD80h

--------l-2FAE00--------------------------------------------
INT 2F - DOS 3.3+ COMMAND.COM - INSTALLABLE COMMAND - INSTALLATION CHECK
	AX = AE00h
	DX = FFFFh
	CH = FFh
	CL = length of the command line tail
	DS:BX -> command line buffer
	DS:SI -> command name buffer (length byte, then the upper-case name)
Return:	AL = FFh if this command is a TSR extension, 00h if not
SeeAlso: AX=AE01h,INT 2E

--------l-2FAE01--------------------------------------------
INT 2F - DOS 3.3+ COMMAND.COM - INSTALLABLE COMMAND - EXECUTE
	AX = AE01h
	DX = FFFFh
	CH = 00h
	DS:SI -> command name buffer
Return:	the command name buffer's length byte set to 00h if the TSR ran the
	  command, or a changed name for COMMAND.COM to run instead
SeeAlso: AX=AE00h

--------V-2FB000--------------------------------------------
INT 2F - GRAFTABL - INSTALLATION CHECK
	AX = B000h
Return:	AL = 00h not installed, FFh installed
SeeAlso: INT 1F

--------f-2FB700--------------------------------------------
INT 2F - APPEND - INSTALLATION CHECK
	AX = B700h
Return:	AL = 00h not installed, FFh installed
SeeAlso: AX=B702h,AX=B706h

--------f-2FB702--------------------------------------------
INT 2F - APPEND - GET VERSION
	AX = B702h
Return:	AX = FFFFh if not DOS 4+ APPEND; else AL = major, AH = minor
SeeAlso: AX=B700h

--------f-2FB706--------------------------------------------
INT 2F - APPEND - GET APPEND FUNCTION STATE
	AX = B706h
Return:	BX = state flags: bit 0 enabled, bit 13 /PATH, bit 14 /E, bit 15
	  /X
SeeAlso: AX=B707h,AX=B700h

--------N-2FB800--------------------------------------------
INT 2F - NETWORK - INSTALLATION CHECK
	AX = B800h
Return:	AL = 00h not installed, nonzero installed
	BX = installed component flags: bit 2 messenger, bit 3 redirector,
	  bit 6 receiver, bit 7 server
SeeAlso: INT 2A/AH=00h

--------F-2FCB00--------------------------------------------
INT 2F - Communicating Applications interface (CAS) - INSTALLATION CHECK
	AX = CB00h
Return:	AL = 00h not installed, FFh installed
Note:	the fax board makers who wrote this interface let programs queue faxes
	  and file transfers without knowing which board is installed
SeeAlso: AX=CB01h,AX=CB0Ah

--------F-2FCB01--------------------------------------------
INT 2F - Communicating Applications interface (CAS) - SUBMIT A TASK
	AX = CB01h
	DS:DX -> ASCIZ path of the task control file
Return:	AX >= 0000h event handle, AX < 0000h negated error code
SeeAlso: AX=CB00h

--------Q-2FDE00--------------------------------------------
INT 2F - DESQview External Device Interface - INSTALLATION CHECK
	AX = DE00h
	BX = 4445h ("DE")
	CX = 5844h ("XD")
	DX = 4931h ("I1")
Return:	AL = FFh if installed
Note:	the unusual register values keep other programs from answering by
	  accident
SeeAlso: INT 21/AX=2B01h/CX=4445h/DX=5351h

--------*-2FC4----------------------------------------------
--------A-2FC500--------------------------------------------
INT 2F - LEDGERPAD	- INSTALLATION CHECK
	AX = C500h
	BX = 4C50h ("LP")
Return:	AL = FFh if the resident part is loaded
	BX = 504Ch ("PL")
	CX = version (CH = major, CL = minor)
Program:	LEDGERPAD is a made-up pop-up bookkeeping program for this sample
InstallCheck:	the swapped signature in BX tells it apart from other programs that
	  use multiplex number C5h
SeeAlso: AX=C501h,INT 2D/AL=00h

--------A-2FC501--------------------------------------------
INT 2F - LEDGERPAD - GET NAME OF OPEN LEDGER
	AX = C501h
	ES:DI -> 80-byte buffer
Return:	AL = 00h no ledger open
	AL = 01h buffer holds the ASCIZ path of the open ledger
SeeAlso: AX=C500h

--------a-2FC600--------------------------------------------
INT 2F - TALKPAD screen reader - INSTALLATION CHECK
	AX = C600h
Return:	AL = FFh if installed
	BX = speech port (0000h internal speaker, 0001h-0004h COM1-COM4)
Program:	TALKPAD is a made-up screen reader for this sample which sends the
	  text under the cursor to a speech synthesizer
SeeAlso: AX=C601h,AX=C602h

--------a-2FC601--------------------------------------------
INT 2F - TALKPAD screen reader - SPEAK STRING
	AX = C601h
	DS:SI -> ASCIZ text
	CL = voice rate (00h slowest, 09h fastest)
Return:	AL = 00h queued, 01h speech queue full
Note:	the text is spoken after what is already queued
SeeAlso: AX=C600h,AX=C602h

--------a-2FC602--------------------------------------------
INT 2F - TALKPAD screen reader - SILENCE
	AX = C602h
Return:	nothing
Note:	empties the speech queue at once
SeeAlso: AX=C601h

--------e-2FC700--------------------------------------------
INT 2F - POSTBAG mail notifier - INSTALLATION CHECK
	AX = C700h
Return:	AL = FFh if installed
	ES:BX -> ASCIZ name of the mailbox directory being watched
Program:	POSTBAG is a made-up resident program for this sample that beeps when
	  a new message file appears in a shared network directory
SeeAlso: AX=C702h,INT 21/AX=5F02h

--------e-2FC702--------------------------------------------
INT 2F - POSTBAG mail notifier - GET NUMBER OF UNREAD MESSAGES
	AX = C702h
Return:	CX = number of unread messages
	DX = number of messages marked urgent
SeeAlso: AX=C700h

--------g-2FC800--------------------------------------------
INT 2F - HOTSEAT game loader - INSTALLATION CHECK
	AX = C800h
Return:	AL = FFh if installed
	BL = number of players registered
Program:	HOTSEAT is a made-up loader for this sample which keeps scores of
	  several players across game sessions
SeeAlso: AX=C801h

--------g-2FC801--------------------------------------------
INT 2F - HOTSEAT game loader - RECORD SCORE
	AX = C801h
	BL = player number
	DX:CX = score
Return:	AL = 00h recorded, 01h new high score
SeeAlso: AX=C800h

--------i-2FC900--------------------------------------------
INT 2F - SYSPEEK system monitor - INSTALLATION CHECK
	AX = C900h
Return:	AL = FFh if installed
	BX = sampling interval in clock ticks
Program:	SYSPEEK is a made-up resident system monitor for this sample
SeeAlso: AX=C901h,AX=C902h

--------i-2FC901--------------------------------------------
INT 2F - SYSPEEK system monitor - GET CPU LOAD
	AX = C901h
Return:	AL = percentage of ticks spent outside the DOS idle loop during the
	  last sampling interval
SeeAlso: AX=C900h,INT 28

--------i-2FC902--------------------------------------------
INT 2F - SYSPEEK system monitor - GET BOARD TEMPERATURE
	AX = C902h
Return:	CF clear if a sensor was found
	    AX = temperature in 1/10 øC
	CF set if no sensor is present
Note:	the value is read from a temperature sensor on the system management
	  bus; readings above 700 (70øC) make SYSPEEK beep
Index:	CPU load;temperature;system management bus;SMBus;sensor;monitor;beep;threshold;sampling interval;clock ticks;resident monitor;SYSPEEK;board temperature;thermal alarm;fan;hardware health;made-up program for testing very long lines in the viewer
--------I-2FCA00--------------------------------------------
INT 2F - TERMLINK 3270 emulator - INSTALLATION CHECK
	AX = CA00h
Return:	AL = FFh if installed
	BX = number of host sessions configured
Program:	TERMLINK is a made-up terminal emulator for this sample which connects
	  a PC to a mainframe through a coax adapter card
SeeAlso: AX=CA01h

--------I-2FCA01--------------------------------------------
INT 2F - TERMLINK 3270 emulator - SEND KEYSTROKES TO HOST SESSION
	AX = CA01h
	BL = session number
	DS:SI -> ASCIZ keystroke string; "@E" stands for the Enter key
Return:	AL = 00h sent, 01h session busy, 02h session not connected
SeeAlso: AX=CA00h

--------n-2FCC00DI5050--------------------------------------
INT 2F - PENPAD pen input driver - INSTALLATION CHECK
	AX = CC00h
	DI = 5050h ("PP")
Return:	AL = FFh if installed
	DI = 7070h
	BX = tablet resolution in points per inch
Program:	PENPAD is a made-up driver for this sample that turns pen strokes on a
	  serial tablet into keystrokes and mouse movement
SeeAlso: INT 33/AX=0000h,INT 14/AH=00h

--------R-2FCD00BX5248--------------------------------------
INT 2F - REMOTEHAND remote control - INSTALLATION CHECK
	AX = CD00h
	BX = 5248h ("RH")
Return:	AL = FFh if installed
	BX = 0000h if no remote user is connected, else the modem port number
Program:	REMOTEHAND is a made-up host program for this sample which lets a
	  caller on another PC see this screen and type on this keyboard
SeeAlso: AX=CD01h,INT 14/AH=04h

--------R-2FCD01--------------------------------------------
INT 2F - REMOTEHAND remote control - DISCONNECT REMOTE USER
	AX = CD01h
Return:	AL = 00h disconnected, 01h nobody was connected
SeeAlso: AX=CD00h/BX=5248h

--------s-2FCE00--------------------------------------------
INT 2F - TUNEBOX sound driver - INSTALLATION CHECK
	AX = CE00h
Return:	AL = FFh if installed
	BX = base I/O port of the sound card
	CL = IRQ
	CH = DMA channel
Program:	TUNEBOX is a made-up sound driver for this sample
SeeAlso: AX=CE01h,PORT 0220h

--------s-2FCE01--------------------------------------------
INT 2F - TUNEBOX sound driver - PLAY NOTE
	AX = CE01h
	BL = MIDI note number
	BH = velocity
	CX = duration in milliseconds
Return:	AL = 00h queued
SeeAlso: AX=CE00h

--------u-2FCF00--------------------------------------------
INT 2F - PETEMU home computer emulator - INSTALLATION CHECK
	AX = CF00h
Return:	AL = FFh if installed
	BX = emulated machine: 0001h 8-bit home computer, 0002h game console
Program:	PETEMU is a made-up emulator for this sample which keeps a snapshot
	  of the emulated machine in expanded memory
SeeAlso: AX=CF01h,INT 67/AH=43h

--------u-2FCF01--------------------------------------------

--------x-2FD000--------------------------------------------
INT 2F - NVSTORE configuration keeper - INSTALLATION CHECK
	AX = D000h
Return:	AL = FFh if installed
Program:	NVSTORE is a made-up utility for this sample that keeps a few named
	  settings in the unused bytes of the CMOS RAM
SeeAlso: AX=D001h,CMOS 40h

--------x-2FD001--------------------------------------------
INT 2F - NVSTORE configuration keeper - READ SETTING
	AX = D001h
	DS:SI -> ASCIZ setting name (up to 8 characters)
Return:	CF clear if found: DX = value
	CF set if there is no such setting
SeeAlso: AX=D000h,PORT 0070h

--------y-2FD100--------------------------------------------
INT 2F - LOCKUP password guard - INSTALLATION CHECK
	AX = D100h
Return:	AL = FFh if installed
	BL = 00h unlocked, 01h screen locked
Program:	LOCKUP is a made-up security program for this sample which blanks the
	  screen and ignores the keyboard until a password is typed
SeeAlso: AX=D101h

--------y-2FD101--------------------------------------------
INT 2F - LOCKUP password guard - LOCK NOW
	AX = D101h
Return:	AL = 00h locked
Note:	there is deliberately no call to unlock
SeeAlso: AX=D100h

--------U-2FD200--------------------------------------------
INT 2F - CLOCKDIAL resident clock - INSTALLATION CHECK
	AX = D200h
Return:	AL = FFh if installed
	DH,DL = row,column where the clock is shown
Program:	CLOCKDIAL is a made-up utility for this sample that shows the time in
	  a corner of the text screen
SeeAlso: AX=D201h,INT 1C

--------U-2FD201--------------------------------------------
INT 2F - CLOCKDIAL resident clock - MOVE CLOCK
	AX = D201h
	DH,DL = new row,column
Return:	nothing
SeeAlso: AX=D200h,INT 10/AH=02h

--------L-2FD300--------------------------------------------
INT 2F - LOOMTERM - INSTALLATION CHECK
	AX = D300h
Return:	AL = FFh if installed
Program:	LOOMTERM is a made-up program for this sample whose category letter is
	  not in the category key at the start of this list
SeeAlso: AX=D400h/BP=4F4Fh

--------o-2FD400BP4F4F--------------------------------------
INT 2F - ODDMENT TOOLKIT - INSTALLATION CHECK
	AX = D400h
	BP = 4F4Fh ("OO")
Return:	AL = FFh if installed
	BP = 0000h
Program:	ODDMENT is a made-up toolkit for this sample; its category letter is
	  not described anywhere either
SeeAlso: AX=D300h

--------c-2FD500--------------------------------------------
INT 2F - DISKHOLD disk cache - INSTALLATION CHECK
	AX = D500h
Return:	AL = FFh if installed
	BX = cache size in kilobytes
Program:	DISKHOLD is a made-up read-ahead cache for this sample
SeeAlso: AX=D502h/SF=0001h,AX=4A10h/BX=0000h

--------c-2FD502SF0001--------------------------------------
INT 2F - DISKHOLD disk cache - GET STATISTICS - READ COUNTERS
	AX = D502h
	ES:DI -> request block whose first word (the subfunction) is 0001h
Return:	AL = 00h if successful, request block filled with hit and miss
	  counters for each drive
Note:	subfunction 0002h resets the counters
SeeAlso: AX=D500h,AX=D502h/SF=0002h

--------G-2FD600--------------------------------------------
INT 2F - TRACER resident debugger - INSTALLATION CHECK
	AX = D600h
Return:	AL = FFh if installed
	ES:BX -> entry point that enters the debugger with the caller's
	  registers
Program:	TRACER is a made-up debugger for this sample that pops up on a
	  hot key or on INT 03
SeeAlso: INT 03,INT 01,INT 41/AX=004Fh

--------E-310000--------------------------------------------
INT 31 P - DPMI 0.9+ - ALLOCATE LDT DESCRIPTORS
	AX = 0000h
	CX = number of descriptors to allocate
Return:	CF clear if successful: AX = base selector
	CF set on error: AX = error code (8011h descriptor unavailable)
Note:	the descriptors come back as present data segments with base and
	  limit zero; add the value from AX=0003h to step from one to the next
SeeAlso: AX=0007h

--------E-310006--------------------------------------------
INT 31 P - DPMI 0.9+ - GET SEGMENT BASE ADDRESS
	AX = 0006h
	BX = selector
Return:	CF clear if successful: CX:DX = linear base address
	CF set on error: AX = 8022h invalid selector
SeeAlso: AX=0007h

--------E-310007--------------------------------------------
INT 31 P - DPMI 0.9+ - SET SEGMENT BASE ADDRESS
	AX = 0007h
	BX = selector
	CX:DX = linear base address
Return:	CF clear if successful
	CF set on error: AX = error code (8022h, 8025h)
SeeAlso: AX=0006h

--------E-310100--------------------------------------------
INT 31 P - DPMI 0.9+ - ALLOCATE DOS MEMORY BLOCK
	AX = 0100h
	BX = number of paragraphs
Return:	CF clear if successful
	    AX = real-mode segment of the block
	    DX = selector for the block
	CF set on error
	    AX = DOS error code
	    BX = size of the largest available block
SeeAlso: INT 21/AH=48h

--------E-310200--------------------------------------------
INT 31 P - DPMI 0.9+ - GET REAL MODE INTERRUPT VECTOR
	AX = 0200h
	BL = interrupt number
Return:	CF clear: CX:DX = segment:offset of the real-mode handler
SeeAlso: AX=0204h

--------E-310300--------------------------------------------
INT 31 P - DPMI 0.9+ - SIMULATE REAL MODE INTERRUPT
	AX = 0300h
	BL = interrupt number
	BH = flags (bit 0 resets the interrupt controller and A20 line)
	CX = number of words to copy from the protected-mode stack
	ES:(E)DI -> real mode call structure (see #02800)
Return:	CF clear if successful: the structure holds the real-mode registers
	  after the interrupt
	CF set on error: AX = error code

Format of DPMI real mode call structure:
Offset	Size	Description	(Table 02800)
 00h	DWORD	EDI
 04h	DWORD	ESI
 08h	DWORD	EBP
 0Ch	DWORD	reserved (0)
 10h	DWORD	EBX
 14h	DWORD	EDX
 18h	DWORD	ECX
 1Ch	DWORD	EAX
 20h	WORD	flags
 22h	WORD	ES
 24h	WORD	DS
 26h	WORD	FS
 28h	WORD	GS
 2Ah	WORD	IP (ignored by this function)
 2Ch	WORD	CS (ignored by this function)
 2Eh	WORD	SP (0000h to let the host supply a stack)
 30h	WORD	SS
SeeAlso: AX=0301h,AX=0302h,INT 21/AX=2503h"Phar Lap"

--------E-310400--------------------------------------------
INT 31 P - DPMI 0.9+ - GET DPMI VERSION
	AX = 0400h
Return:	CF clear
	    AH = major version, AL = minor version
	    BX = flags: bit 0 32-bit host, bit 1 interrupts reflected in real
	      mode, bit 2 virtual memory supported
	    CL = processor type
	    DH = master interrupt controller base, DL = slave base
SeeAlso: INT 2F/AX=1687h

--------E-310500--------------------------------------------
INT 31 P - DPMI 0.9+ - ALLOCATE MEMORY BLOCK
	AX = 0500h
	BX:CX = size in bytes
Return:	CF clear if successful
	    BX:CX = linear address of the block
	    SI:DI = handle for freeing or resizing the block
	CF set on error: AX = error code (8012h, 8013h, 8014h, 8016h, 8021h)
Note:	no descriptor is created; the caller sets one up with AX=0007h
	  and AX=0008h
SeeAlso: AX=0007h

--------E-310600--------------------------------------------
INT 31 P - DPMI 0.9+ - LOCK LINEAR REGION
	AX = 0600h
	BX:CX = starting linear address
	SI:DI = size of region in bytes
Return:	CF clear if successful
	CF set on error: AX = error code (8013h, 8017h, 8025h)
Note:	interrupt handlers and the data they touch must be locked under a
	  host with virtual memory
SeeAlso: AX=0601h

--------M-330000--------------------------------------------
INT 33 - MS MOUSE - RESET DRIVER AND READ STATUS
	AX = 0000h
Return:	AX = status: 0000h hardware or driver not installed, FFFFh reset
	  successful
	BX = number of buttons (0000h other than two, 0002h two buttons,
	  0003h Mouse Systems/Logitech three-button mouse, FFFFh two buttons)
Notes:	the pointer is hidden, moved to the screen center and given the
	  default shape; all event handlers are removed
	before calling, check that the vector is not zero, since DOS 2.x
	  leaves it empty
SeeAlso: AX=0001h,INT 74

--------M-330001--------------------------------------------
INT 33 - MS MOUSE - SHOW MOUSE CURSOR
	AX = 0001h
Return:	nothing
Note:	the driver keeps a counter; the pointer is visible only when it is
	  zero, so each hide must be matched by one show
SeeAlso: AX=0002h

--------M-330002--------------------------------------------
INT 33 - MS MOUSE - HIDE MOUSE CURSOR
	AX = 0002h
Return:	nothing
Note:	hide the pointer before writing to the screen under it
SeeAlso: AX=0001h

--------M-330003--------------------------------------------
INT 33 - MS MOUSE - RETURN POSITION AND BUTTON STATUS
	AX = 0003h
Return:	BX = button status: bit 0 left, bit 1 right, bit 2 middle pressed
	CX = column
	DX = row
Note:	in text modes the coordinates are multiples of 8; divide by 8 to get
	  the character position
SeeAlso: AX=0004h

--------M-330004--------------------------------------------
INT 33 - MS MOUSE - POSITION MOUSE CURSOR
	AX = 0004h
	CX = column
	DX = row
Return:	nothing
SeeAlso: AX=0003h

--------M-330009--------------------------------------------
INT 33 - MS MOUSE - DEFINE GRAPHICS CURSOR
	AX = 0009h
	BX = column of the hot spot in the 16x16 shape (-16 to 16)
	CX = row of the hot spot
	ES:DX -> two 16-word bitmaps: screen mask, then cursor mask
Return:	nothing
Note:	the screen is ANDed with the first mask and XORed with the second
SeeAlso: AX=000Ah,AX=0012h

--------M-33000A--------------------------------------------
INT 33 - MS MOUSE - DEFINE TEXT CURSOR
	AX = 000Ah
	BX = 0000h software cursor, 0001h hardware cursor
	CX = screen mask or first scan line of the hardware cursor
	DX = cursor mask or last scan line
Return:	nothing
SeeAlso: AX=0009h,INT 10/AH=01h

--------M-33000B--------------------------------------------
INT 33 - MS MOUSE - READ MOTION COUNTERS
	AX = 000Bh
Return:	CX = horizontal movement in mickeys since the last call
	DX = vertical movement in mickeys since the last call
Note:	a mickey is the smallest step the mouse reports, 1/200 inch on
	  many mice
SeeAlso: AX=0003h

--------M-33000C--------------------------------------------
INT 33 - MS MOUSE - DEFINE INTERRUPT SUBROUTINE PARAMETERS
	AX = 000Ch
	CX = event mask (see #03000)
	ES:DX -> far routine
Return:	nothing
Note:	the routine is called with AX = events, BX = buttons, CX,DX =
	  position, SI,DI = last motion counts; it must end with RETF

Bitfields for mouse event mask:
Bit(s)	Description	(Table 03000)
 0	cursor moved
 1	left button pressed
 2	left button released
 3	right button pressed
 4	right button released
 5	middle button pressed
 6	middle button released
SeeAlso: AX=0018h,INT 15/AX=C207h

--------M-330024--------------------------------------------
INT 33 - MS MOUSE v6.26+ - GET SOFTWARE VERSION, MOUSE TYPE, AND IRQ NUMBER
	AX = 0024h
Return:	AX = FFFFh on error
	else
	    BH = major version
	    BL = minor version
	    CH = type: 01h bus, 02h serial, 03h InPort, 04h PS/2, 05h HP
	    CL = interrupt: 00h PS/2, 02h IRQ2, 03h IRQ3, ..., 07h IRQ7
SeeAlso: AX=0000h

--------r-34------------------------------------------------
INT 34 - FLOATING POINT EMULATION - OPCODE D8h
Desc:	compilers with floating-point emulation write INT 34h-3Bh in place of
	  the coprocessor opcodes D8h-DFh; the runtime handler either emulates
	  the instruction or patches it back into a real coprocessor opcode
Note:	the emulator uses INT 3C for instructions with a segment override and
	  INT 3D for a standalone FWAIT
SeeAlso: INT 3C,INT 3D,INT 07

--------r-3C------------------------------------------------
INT 3C - FLOATING POINT EMULATION - OPCODE WITH SEGMENT OVERRIDE
Desc:	the emulated instruction has a segment override prefix; the next
	  byte encodes both the opcode and the segment register
SeeAlso: INT 34

--------r-3D------------------------------------------------
INT 3D - FLOATING POINT EMULATION - STANDALONE FWAIT
Desc:	the emulator replaces a WAIT instruction with this call
SeeAlso: INT 34

--------r-3F------------------------------------------------
INT 3F - OVERLAY MANAGER INTERRUPT
Desc:	some linkers emit INT 3Fh calls to load an overlay into memory
	  before calling a routine in it
Note:	the byte after the INT instruction gives the overlay number, and
	  the next word the offset of the routine in that overlay

--------G-41004F--------------------------------------------
INT 41 - MS Windows debugging kernel - DEBUGGER INSTALLATION CHECK
	AX = 004Fh
Return:	AX = F386h if a system debugger is present
Note:	the vector doubles as the pointer to the first hard disk's
	  parameters on AT class machines, so the check must be done only in
	  protected mode
SeeAlso: INT 41,INT 03,INT 2F/AX=D600h,INT 2F/AX=1684h/BX=0021h,INT 2F/AX=1600h"Windows"

--------B-41------------------------------------------------
INT 41 - SYSTEM DATA - HARD DISK 0 PARAMETER TABLE ADDRESS
Desc:	not a callable interrupt; the vector points at a 16-byte table that
	  describes the geometry of the first hard disk
Note:	the table holds the cylinder count, head count, precompensation
	  cylinder, control byte, landing zone and sectors per track
SeeAlso: INT 13/AH=08h,CMOS 12h

--------V-43------------------------------------------------
INT 43 - VIDEO DATA - CHARACTER TABLE (EGA,MCGA,VGA)
Desc:	points at the font used for graphics modes; the font loading calls of
	  INT 10/AH=11h update it
SeeAlso: INT 1F,INT 10/AX=1130h

--------B-4A------------------------------------------------
INT 4A - SYSTEM - USER ALARM HANDLER
Desc:	the RTC interrupt handler calls this when the alarm set with
	  INT 1A/AH=06h goes off
Note:	the BIOS default is an IRET
SeeAlso: INT 1A/AH=06h,INT 70

--------m-4B8102--------------------------------------------
INT 4B - Virtual DMA Services (VDS) - GET VERSION
	AX = 8102h
	DX = 0000h
Return:	CF clear if successful
	    AH = major version, AL = minor version
	    BX = product number
	    CX = product revision
	    SI:DI = maximum DMA buffer size
	    DX = flags: bit 0 PC/XT bus, bit 1 physical buffer in first 1 MB,
	      bit 2 automatic remap, bit 3 all memory physically contiguous
Note:	check bit 5 of 0040h:007Bh before calling; the driver sets it when
	  it is present
SeeAlso: MEM 0040h:007Bh

--------N-5C------------------------------------------------
INT 5C - NETBIOS INTERFACE
	ES:BX -> network control block (see #04000)
Return:	AL = status (00h successful, FBh NetBIOS not loaded, FFh the command
	  is still pending)
Note:	install check: send the invalid command 7Fh and look for return
	  code 03h (invalid command)

Format of network control block:
Offset	Size	Description	(Table 04000)
 00h	BYTE	command code; bit 7 set means "return at once, call the post
		  routine when done"
 01h	BYTE	return code
 02h	BYTE	local session number
 03h	BYTE	number of the name
 04h	DWORD	-> buffer
 08h	WORD	buffer length
 0Ah 16 BYTEs	remote name
 1Ah 16 BYTEs	local name
 2Ah	BYTE	receive timeout in 500 ms units
 2Bh	BYTE	send timeout in 500 ms units
 2Ch	DWORD	-> post routine, 0000h:0000h if none
 30h	BYTE	adapter number
 31h	BYTE	command completion flag
SeeAlso: INT 2A/AH=00h,INT 2F/AX=B800h

--------N-6001----------------------------------------------
INT 60 - PC/TCP PACKET DRIVER - DRIVER INFORMATION
	AX = 01FFh
	BX = handle (only needed for some drivers)
Return:	CF clear if successful
	    BX = version
	    CH = class of interface (01h Ethernet, 06h SLIP, ...)
	    DX = interface type
	    CL = number of the interface
	    DS:SI -> ASCIZ driver name
	    AL = functionality (01h basic, 02h basic and extended, 05h basic and
	      high-performance, 06h all)
	CF set on error: DH = error code
Notes:	the driver may live at any vector from 60h to 80h; its presence is
	  shown by the string "PKT DRVR" three bytes after the handler address
	this sample lists only the driver at vector 60h
Range:	INT 60 to INT 80, found by scanning for the signature
SeeAlso: AH=02h

--------N-6002----------------------------------------------
INT 60 - PC/TCP PACKET DRIVER - ACCESS PACKET TYPE
	AH = 02h
	AL = interface class
	BX = interface type (FFFFh any)
	DL = interface number
	DS:SI -> type template (the packet type to receive)
	CX = length of the template
	ES:DI -> receiver routine
Return:	CF clear if successful: AX = handle
	CF set on error: DH = error code
Note:	the receiver is called twice per packet: once with AX = 0000h to ask
	  for a buffer (returned in ES:DI), once with AX = 0001h when the data
	  has been copied
SeeAlso: AH=01h,AH=03h

--------m-6740----------------------------------------------
INT 67 - LIM EMS - GET MANAGER STATUS
	AH = 40h
Return:	AH = status: 00h successful, 80h internal error, 81h hardware
	  malfunction, 84h undefined function
Note:	before calling, check for the device name "EMMXXXX0" at offset 0Ah of
	  the segment the vector points at
SeeAlso: AH=41h,AH=46h

--------m-6741----------------------------------------------
INT 67 - LIM EMS - GET PAGE FRAME SEGMENT
	AH = 41h
Return:	AH = status (see #03500)
	BX = segment of the 64K page frame
SeeAlso: AH=58h

(Table 03500)
Values for EMS function status:
 00h	successful
 80h	internal error
 81h	hardware malfunction
 83h	invalid handle
 84h	undefined function requested
 85h	no more handles available
 87h	more pages requested than exist
 88h	more pages requested than are free
 89h	zero pages requested
 8Ah	logical page out of range for the handle
 8Bh	physical page out of range

--------m-6743----------------------------------------------
INT 67 - LIM EMS - GET HANDLE AND ALLOCATE MEMORY
	AH = 43h
	BX = number of logical pages to allocate
Return:	AH = status (see #03500)
	DX = handle if AH = 00h
Note:	EMS 4.0 also allows zero pages through AH=5Ah
SeeAlso: AH=44h,AH=45h,#03500

--------m-6744----------------------------------------------
INT 67 - LIM EMS - MAP MEMORY
	AH = 44h
	AL = physical page number (0-3)
	BX = logical page number, or FFFFh to unmap (EMS 4.0)
	DX = handle
Return:	AH = status (see #03500)
SeeAlso: AH=43h,AH=50h

--------m-6745----------------------------------------------
INT 67 - LIM EMS - RELEASE HANDLE AND MEMORY
	AH = 45h
	DX = EMM handle
Return:	AH = status (see #03500), 86h if a saved mapping context is still
	  held for the handle
Note:	a program must release its handles before it exits, or the pages
	  stay lost until the next boot
SeeAlso: AH=43h

--------m-6746----------------------------------------------
INT 67 - LIM EMS - GET EMM VERSION
	AH = 46h
Return:	AH = status (see #03500)
	AL = version in BCD (32h = 3.2, 40h = 4.0)
SeeAlso: AH=40h

--------m-675700--------------------------------------------
INT 67 - LIM EMS 4.0 - MOVE MEMORY REGION
	AX = 5700h
	DS:SI -> move descriptor: DWORD length, then for source and
	  destination a type byte (00h conventional, 01h expanded), a WORD
	  handle, a WORD offset and a WORD segment or logical page
Return:	AH = status (see #03500)
Note:	the move is done even if the regions overlap, and the current
	  mapping is not changed
SeeAlso: AX=5701h

--------m-67DE00--------------------------------------------
INT 67 - Virtual Control Program Interface - INSTALLATION CHECK
	AX = DE00h
Return:	AH = 00h if VCPI is present
	    BH = major version (BCD)
	    BL = minor version (BCD)
	AH nonzero if not present
Note:	a DOS extender uses VCPI to get into protected mode when a memory
	  manager already runs DOS in virtual-8086 mode
SeeAlso: AX=DE0Ch,INT 2F/AX=1687h

--------m-67DE0C--------------------------------------------
INT 67 - Virtual Control Program Interface - SWITCH FROM V86 MODE TO PROTECTED MODE
	AX = DE0Ch
	ESI = linear address below 1 MB of the switch data structure: new CR3,
	  pointers to new GDTR and IDTR values, LDTR, TR and the CS:EIP to jump to
Return:	in protected mode, with interrupts disabled
SeeAlso: INT 15/AH=89h

--------H-70------------------------------------------------
INT 70 H - IRQ8 - CMOS REAL-TIME CLOCK
Desc:	called for the periodic interrupt (1024 times per second) while a
	  wait is in progress and for the alarm
Note:	the handler must read CMOS register 0Ch, or the clock raises no
	  more interrupts
SeeAlso: INT 4A,INT 15/AH=86h,CMOS 0Ch

--------H-71------------------------------------------------
INT 71 H - IRQ9 - REDIRECTED TO INT 0A BY BIOS
Desc:	devices on the old IRQ2 pin of the bus arrive here; the BIOS handler
	  acknowledges the slave controller and calls INT 0A
SeeAlso: INT 0A

--------H-74------------------------------------------------
INT 74 H - IRQ12 - POINTING DEVICE (PS)
Desc:	the PS/2 mouse port interrupt; the BIOS gathers three bytes and calls
	  the handler installed with INT 15/AX=C207h
SeeAlso: INT 15/AX=C207h,INT 33/AX=0000h

--------H-75------------------------------------------------
INT 75 H - IRQ13 - MATH COPROCESSOR EXCEPTION (AT and up)
Desc:	the coprocessor error line; the BIOS handler clears the busy latch by
	  writing to port F0h and calls INT 02 for compatibility with the PC
SeeAlso: INT 02,PORT 00F0h

--------H-76------------------------------------------------
INT 76 H - IRQ14 - HARD DISK CONTROLLER (AT and later)
Desc:	the primary IDE channel interrupt; the BIOS handler sets the flag at
	  0040h:008Eh, which the INT 13 code waits for
SeeAlso: INT 77,INT 13/AH=02h,PORT 01F0h-01F7h

--------H-77------------------------------------------------
INT 77 H - IRQ15 - SECONDARY IDE CHANNEL (AT and later)
Desc:	used by the second IDE channel on most boards; on old machines it was
	  free
SeeAlso: INT 76

--------N-7ABX0000------------------------------------------
INT 7A - Novell NetWare - IPX - OPEN SOCKET
	BX = 0000h
	AL = socket longevity: 00h closed at program exit, FFh closed only
	  on request
	DX = requested socket number (0000h for a dynamic one), high byte first
Return:	AL = status: 00h successful, FEh socket table full, FFh socket
	  already open
	DX = socket number
Note:	protected mode programs use the entry point from INT 2F/AX=7A00h
	  instead
SeeAlso: INT 7A/BX=0001h,INT 7A/BX=000Ah

--------N-7ABX000A------------------------------------------
INT 7A - Novell NetWare - IPX - RELINQUISH CONTROL
	BX = 000Ah
Return:	nothing
Note:	gives the network driver a chance to work; programs that poll for
	  packets should call it in their loop
SeeAlso: INT 7A/BX=0000h,INT 2F/AX=1680h

--------O-80------------------------------------------------
INT 80 - Linux - SYSTEM CALL (i386)
	EAX = system call number (01h exit, 03h read, 04h write, 05h open)
	EBX, ECX, EDX, ESI, EDI, EBP = arguments one to six
Return:	EAX = result, or a negative error number in the range -4095..-1
Note:	the gate is a trap gate with privilege level 3, so user programs
	  may call it; 64-bit programs use the SYSCALL instruction instead
SeeAlso: INT 21/AH=4Ch,MSR C0000082h

--------!---Admin-------------------------------------------
This sample list was put together by the ZELT Viewer team for testing.
Entries marked "made-up" describe programs that never existed; every
other entry states well-known facts in our own words and may still have
mistakes.  Please report them on the project's tracker.

--------*-FF------------------------------------------------
INT FF - SAMPLE LIST - LAST ENTRY
Desc:	this entry only closes the sample list; the file ends right after it
	  without a divider line
Note:	the entry before this one holds the admin notes, which have no title
	  line
SeeAlso: INT 00,INT 10,INT 21,INT 2F,INT 99
