Attribute VB_Name = "vaprop32"
' Water and steam properties from vaprop32.dll (IAPWS-IF97, IFC-67 with UnitSet + 8) for VBA macros.
' Import this module into a workbook (File > Import File in the VBA editor). vaprop32.dll and
' vaprop67.dll must lie in a folder on the DLL search path (see INSTALL.txt). The library is a
' 32-bit DLL: it loads into 32-bit Office only.
'
' Every function returns the property in the units of UnitSet, or a negative error code at or below
' -1000 (e.g. -1200 pressure too high). UnitSet: 0 Eng, 1 SI, 2 EngG, 3 SIF, 4 SIK, 5 MET, 6 METF;
' add 8 for the 1967 equations, 16 for the fast (p,h) and (p,s) calls.
'
' StmBatch computes many states at once: pass the first element of each array, e.g.
'   n = StmBatch("PT", "H,S", 1, count, p(0), t(0), result(0), 0)
' with result() dimensioned for count rows of as many cells as names (here 2 * count); it returns the
' number of cells that hold a code, or a negative code when the call is refused. StmProp gives one
' property by names: StmProp("PT", 10, 500, "H", 1).
Option Explicit

#If VBA7 Then
Public Declare PtrSafe Function StmTP Lib "vaprop32.dll" (ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPT Lib "vaprop32.dll" (ByVal P As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTH Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTS Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTV Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTC Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTW Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQH Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQS Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQV Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQC Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQW Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQH Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQS Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQV Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQC Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQW Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHT Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHQ Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHS Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHV Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHC Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHW Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPST Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPSQ Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPSH Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPSV Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPSC Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPSW Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTK Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTM Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQK Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQM Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQK Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQM Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPTG Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPQG Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTQG Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPHG Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmPSG Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTempIT Lib "vaprop32.dll" (ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmTempTI Lib "vaprop32.dll" (ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmVer Lib "vaprop32.dll" () As Double
Public Declare PtrSafe Function StmPTR Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare PtrSafe Function StmBatch Lib "vaprop32.dll" (ByVal pair As String, ByVal props As String, ByVal UnitSet As Long, ByVal count As Long, ByRef in1 As Double, ByRef in2 As Double, ByRef out As Double, ByVal threads As Long) As Long
Public Declare PtrSafe Function StmProp Lib "vaprop32.dll" (ByVal pair As String, ByVal in1 As Double, ByVal in2 As Double, ByVal prop As String, ByVal UnitSet As Long) As Double
#Else
Public Declare Function StmTP Lib "vaprop32.dll" (ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPT Lib "vaprop32.dll" (ByVal P As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTH Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTS Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTV Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTC Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTW Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQH Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQS Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQV Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQC Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQW Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQH Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQS Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQV Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQC Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQW Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHT Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHQ Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHS Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHV Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHC Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHW Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPST Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPSQ Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPSH Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPSV Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPSC Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPSW Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTK Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTM Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQK Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQM Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQK Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQM Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPTG Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPQG Lib "vaprop32.dll" (ByVal P As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTQG Lib "vaprop32.dll" (ByVal T As Double, ByVal Q As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPHG Lib "vaprop32.dll" (ByVal P As Double, ByVal H As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmPSG Lib "vaprop32.dll" (ByVal P As Double, ByVal S As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTempIT Lib "vaprop32.dll" (ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmTempTI Lib "vaprop32.dll" (ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmVer Lib "vaprop32.dll" () As Double
Public Declare Function StmPTR Lib "vaprop32.dll" (ByVal P As Double, ByVal T As Double, ByVal UnitSet As Long) As Double
Public Declare Function StmBatch Lib "vaprop32.dll" (ByVal pair As String, ByVal props As String, ByVal UnitSet As Long, ByVal count As Long, ByRef in1 As Double, ByRef in2 As Double, ByRef out As Double, ByVal threads As Long) As Long
Public Declare Function StmProp Lib "vaprop32.dll" (ByVal pair As String, ByVal in1 As Double, ByVal in2 As Double, ByVal prop As String, ByVal UnitSet As Long) As Double
#End If
