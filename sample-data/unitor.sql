-- Velcarin sample data: the Unitor table of cargoes to load.
-- Every row is made up for trying the program; none of it is operational tank-cleaning advice.
BEGIN;
CREATE TABLE Unitor ("Name" TEXT, "Code" TEXT);
INSERT INTO Unitor VALUES ('ACETONE', 'C');
INSERT INTO Unitor VALUES ('BENZENE', 'D');
INSERT INTO Unitor VALUES ('CAUSTIC SODA', 'A');
INSERT INTO Unitor VALUES ('CRUDE OIL', 'E');
INSERT INTO Unitor VALUES ('ETHANOL', 'B');
INSERT INTO Unitor VALUES ('GASOIL', 'F');
INSERT INTO Unitor VALUES ('LUBE OIL', 'G');
INSERT INTO Unitor VALUES ('METHANOL', 'A');
INSERT INTO Unitor VALUES ('PALM OIL', 'C');
INSERT INTO Unitor VALUES ('SOYBEAN OIL', 'C');
INSERT INTO Unitor VALUES ('TOLUENE', 'D');
INSERT INTO Unitor VALUES ('WATER WHITE KEROSENE', 'F');
COMMIT;
